#include "platform/wnd.h"
#include "tests/support/desktop_test.h"

#include <climits>

using scripted::Look;
using scripted::Press;
using scripted::Type;

TEST(IntegerExchange, ReadsNumbersAsTheDialogManagerDoes) {
  const struct {
    const char* text;
    std::optional<int> value;
  } cases[] = {
      {"0", 0},
      {"00", 0},
      {"7", 7},
      {"007", 7},
      {"+7", 7},
      {"-5", -5},
      {" \t7 \t", 7},
      {"2147483647", INT_MAX},
      {"2147483648", INT_MAX},
      {"99999999999999999999", INT_MAX},
      {"-2147483648", INT_MIN},
      {"-2147483649", INT_MIN},
      {"-99999999999999999999", INT_MIN},
      {"", std::nullopt},
      {"   ", std::nullopt},
      {"-", std::nullopt},
      {"+", std::nullopt},
      {"-0", std::nullopt},
      {"+0", std::nullopt},
      {"-00", std::nullopt},
      {"12a", std::nullopt},
      {"abc", std::nullopt},
      {"1 2", std::nullopt},
      {"1.5", std::nullopt},
      {"0x10", std::nullopt},
      {"--1", std::nullopt},
      {"\n1", std::nullopt},
  };
  for (const auto& c : cases) EXPECT_EQ(ParseDialogInt(c.text), c.value) << '"' << c.text << '"';
}

TEST(IntegerExchange, LooksAtTheFirst31CharactersOnly) {
  const std::string blanks30(30, ' ');
  EXPECT_EQ(ParseDialogInt(CString(blanks30 + "5")), 5);               // the 31st character counts
  EXPECT_EQ(ParseDialogInt(CString(blanks30 + " 5")), std::nullopt);   // the 32nd does not
  EXPECT_EQ(ParseDialogInt(CString(std::string(30, '0') + "7x")), 7);  // what follows is never seen
  EXPECT_EQ(ParseDialogInt(CString("12" + std::string(29, ' ') + "x")), 12);
}

namespace {

// A dialog on the image information template that exchanges x, y and the info text.
class ExchangeDialog : public CDialog {
 public:
  ExchangeDialog() : CDialog(res::IDD_IMAGE_INFO) {}
  int x = 40;
  int y = 40;
  CString info = "No Info";
  int exchanges = 0;

 protected:
  void DoDataExchange(CDataExchange* pDX) override {
    ++exchanges;
    DDX_Text(pDX, res::IDC_X, x);
    DDX_Text(pDX, res::IDC_Y, y);
    DDX_Text(pDX, res::IDC_INFO, info);
  }
};

using DataExchangeTest = DesktopTest;

}  // namespace

TEST_F(DataExchangeTest, FillsTheControlsWhenTheDialogOpens) {
  ExchangeDialog dialog;
  desktop.Dialog(res::IDD_IMAGE_INFO, {Look([](const scripted::Window& w) {
                                         EXPECT_EQ(w.Text(res::IDC_X), CString("40"));
                                         EXPECT_EQ(w.Text(res::IDC_Y), CString("40"));
                                         EXPECT_EQ(w.Text(res::IDC_INFO), CString("No Info"));
                                       }),
                                       Press(IDOK)});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ExpectScriptPlayed();
}

TEST_F(DataExchangeTest, ARefusedNumberShowsOneMessageAndStopsTheExchangeThere) {
  ExchangeDialog dialog;
  desktop.Dialog(res::IDD_IMAGE_INFO, {Type(res::IDC_X, "12"), Type(res::IDC_Y, "12a"), Type(res::IDC_INFO, "changed"),
                                       Press(IDOK), Look([](const scripted::Window& w) {
                                         EXPECT_TRUE(w.open);
                                         EXPECT_EQ(w.focus, res::IDC_Y);
                                         EXPECT_TRUE(w.selected);
                                       }),
                                       Type(res::IDC_Y, "3"), Press(IDOK)});
  EXPECT_EQ(dialog.DoModal(), IDOK);
  ExpectScriptPlayed();

  const auto boxes = desktop.MessageBoxes();
  ASSERT_EQ(boxes.size(), 1u);
  EXPECT_EQ(boxes[0]->text, CString("Geben Sie bitte eine ganze Zahl ein."));
  EXPECT_EQ(boxes[0]->type, MB_ICONEXCLAMATION);
  EXPECT_EQ(boxes[0]->caption, CString("Velmora"));
  EXPECT_EQ(dialog.x, 12);
  EXPECT_EQ(dialog.y, 3);
  EXPECT_EQ(dialog.info, CString("changed"));
}

TEST_F(DataExchangeTest, UpdateDataReportsTheRefusalAndLeavesLaterMembersUnread) {
  ExchangeDialog dialog;
  bool result = true;
  desktop.Dialog(res::IDD_IMAGE_INFO,
                 {Type(res::IDC_X, ""), Type(res::IDC_INFO, "unread"),
                  Look([&](const scripted::Window&) { result = dialog.UpdateData(true); }), Press(IDCANCEL)});
  dialog.DoModal();
  EXPECT_FALSE(result);
  EXPECT_EQ(dialog.y, 40);
  EXPECT_EQ(dialog.info, CString("No Info"));
  EXPECT_EQ(desktop.MessageBoxes().size(), 1u);
}

TEST_F(DataExchangeTest, CancelReadsNothing) {
  ExchangeDialog dialog;
  desktop.Dialog(res::IDD_IMAGE_INFO, {Type(res::IDC_X, "abc"), Press(IDCANCEL)});
  EXPECT_EQ(dialog.DoModal(), IDCANCEL);
  EXPECT_EQ(dialog.exchanges, 1);  // the filling at the start only
  EXPECT_TRUE(desktop.MessageBoxes().empty());
  ExpectScriptPlayed();
}

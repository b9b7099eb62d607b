#include "convert/convert_bitmap.h"

#include "convert/image_info_dlg.h"
#include "convert/source_checks.h"
#include "convert/texts.h"
#include "pdb/image_info.h"
#include "pdb/records.h"
#include "pdb/source_layout.h"
#include "pdb/writer.h"
#include "platform/charset.h"
#include "platform/file.h"
#include "platform/file_dialog.h"
#include "platform/winapp.h"

#include <cstdint>
#include <memory>

// Everything the command holds is owned by a local object, so that it is released on every
// way out, also when an exception the command does not handle (out of memory, a failed
// final close) leaves it. Where the order of releases and message matters, the command
// releases explicitly.

namespace {

// The output file's name keeps at most this many characters of the source's title.
constexpr int kMaxTitleCharacters = 22;

using Buffer = std::unique_ptr<std::uint8_t[]>;

// One message with the stop icon: the text, then the path of the file concerned.
void Refuse(const char* text, const CString& path) { AfxMessageBox(text + AfxNameToAnsi(path), MB_ICONHAND, 0); }

// A source that is loaded, checked and closed, with what the output needs of it.
struct LoadedSource {
  Buffer bytes;  // kLoadedSourceBytes, file byte i at index i
  const SourceLayout* layout = nullptr;
  CString title;       // as the file system has it, at most kMaxTitleCharacters
  CString outputPath;  // folder, name prefix, title, ".pdb"
};

// The first half: chooses, opens, reads and checks the source. Returns false when the
// command ends here, after its message if there is one.
bool LoadSource(LoadedSource& loaded) {
  auto openDialog = std::make_unique<CFileDialog>(true, nullptr, nullptr, 0, kBitmapFilter);
  if (openDialog->DoModal() != IDOK) return false;
  const CString sourcePath = openDialog->GetPathName();
  const CString fileTitle = openDialog->GetFileTitle();
  const CString folder = sourcePath.Left(sourcePath.GetLength() - openDialog->GetFileName().GetLength());
  loaded.title = AfxNameLeft(fileTitle, kMaxTitleCharacters);
  openDialog.reset();

  std::unique_ptr<CFile> source;
  try {
    source = std::make_unique<CFile>(sourcePath, CFile::modeRead);
  } catch (const CFileException&) {
    Refuse(kErrorOpening, sourcePath);
    return false;
  }

  loaded.bytes = std::make_unique<std::uint8_t[]>(kLoadedSourceBytes);
  std::uint8_t* const bytes = loaded.bytes.get();
  const auto readFailed = [&] {
    source.reset();
    loaded.bytes.reset();
    Refuse(kErrorReading, sourcePath);
    return false;
  };
  try {
    if (source->Read(bytes, kSourceHeaderBytes) < kSourceHeaderBytes) return readFailed();
    const std::span<const std::uint8_t, kSourceHeaderBytes> header(bytes, kSourceHeaderBytes);
    if (const char* refusal = FirstFailedCheck(header)) {
      // The file stays held while the person reads why it was refused.
      Refuse(refusal, sourcePath);
      source.reset();
      loaded.bytes.reset();
      return false;
    }
    loaded.layout = &LayoutOf(header);
    loaded.outputPath = folder + loaded.layout->namePrefix + loaded.title + ".pdb";
    const std::uint32_t rest = loaded.layout->fileBytes - kSourceHeaderBytes;
    if (source->Read(bytes + kSourceHeaderBytes, rest) < rest) return readFailed();
  } catch (const CFileException&) {
    return readFailed();
  }
  // Closing a file that was only read cannot lose anything; its errors are not reported.
  source.reset();
  return true;
}

}  // namespace

void ConvertBitmap() {
  LoadedSource source;
  if (!LoadSource(source)) return;

  // The second half: the image information, then the database beside the source.
  CImageInfoDlg dialog;
  dialog.m_caption += AfxNameToAnsi(source.title);
  if (dialog.DoModal() == IDCANCEL) return;  // -1, a dialog that could not be made, goes on
  const ImageInfo info{dialog.m_info, dialog.m_x, dialog.m_y};

  std::unique_ptr<CFile> output;
  try {
    output = std::make_unique<CFile>(source.outputPath, CFile::modeCreate | CFile::modeWrite);
  } catch (const CFileException&) {
    source.bytes.reset();
    Refuse(kErrorCreating, source.outputPath);
    return;
  }

  const std::uint32_t recordBytes = BitmapRecordBytes(*source.layout);
  Buffer record = std::make_unique<std::uint8_t[]>(recordBytes);
  try {
    WriteDatabase(*output, AfxNameToAnsi(source.title), {source.bytes.get(), kLoadedSourceBytes}, *source.layout, info,
                  {record.get(), recordBytes});
  } catch (const CFileException&) {
    output.reset();  // closed; the shorter file stays on disk
    source.bytes.reset();
    record.reset();
    Refuse(kErrorWriting, source.outputPath);
    return;
  }
  output->Close();  // a failure here leaves the command to the framework's report
  output.reset();
  source.bytes.reset();
  record.reset();
  AfxMessageBox(AfxNameToAnsi(source.outputPath) + kCreated, MB_OK, 0);
}

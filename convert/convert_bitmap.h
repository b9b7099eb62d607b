// The Convert Bitmap command: one whole conversion, from the Open dialog to its one message.
#pragma once

void ConvertBitmap();

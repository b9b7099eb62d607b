// The Convert Bitmap command's own texts, each followed directly by the file's path where it
// ends in ": ".
#pragma once

inline constexpr const char kBitmapFilter[] = "Windows Bitmap (*.bmp)|*.bmp||";

inline constexpr const char kErrorOpening[] = "Error Opening File: ";
inline constexpr const char kErrorReading[] = "Error Reading File: ";
inline constexpr const char kErrorCreating[] = "Error Creating File: ";
inline constexpr const char kErrorWriting[] = "Error Writing File: ";
inline constexpr const char kCreated[] = " created!";

inline constexpr const char kNoBitmapFile[] = "No Windows Bitmap File: ";
inline constexpr const char kWrongWidth[] = "Wrong Width: ";
inline constexpr const char kWrongHeight[] = "Wrong Height: ";
inline constexpr const char kWrongPlanes[] = "Wrong Planes Format: ";
inline constexpr const char kWrongDepth[] = "Wrong Color Depth: ";
inline constexpr const char kCompressed[] = "Cannot convert compressed bitmap: ";
inline constexpr const char kWrongFormat[] = "Wrong Format: ";

inline constexpr const char kPropertiesOf[] = "Properties of ";
inline constexpr const char kNoInfo[] = "No Info";

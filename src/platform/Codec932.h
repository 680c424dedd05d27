#pragma once

#include <QByteArray>
#include <QString>

// Code page 932 through glibc iconv ("CP932"): the code page the data files
// are written in. "SHIFT_JIS" would break ～ － ① and turn \ into ￥.
namespace cp932 {

// Bytes that do not decode become U+FFFD one byte at a time; the rest of the
// text is kept.
QString decode(QByteArrayView bytes);

// Whether every byte decodes: decode() would put no U+FFFD in for a bad one.
bool readable(QByteArrayView bytes);

// Characters the code page lacks become "?"; *lossless tells whether any did.
QByteArray encode(const QString &text, bool *lossless = nullptr);

// True when the text can be stored in the data files: written and read back it
// is the same text. Some characters are written but read back as others
// (¥ as a backslash, 〜 as ～): such a text is not storable.
bool canEncode(const QString &text);

} // namespace cp932

#include "FelDelimTextRow.h"

#include "LittleEndian.h"

#include <cstring>

namespace {

// Block layout: [flags][count, 4 bytes][end offsets, 2 or 4 bytes each][text].
// Offsets count characters from the start of the text.
constexpr int kFlagsPos = 0;
constexpr int kCountPos = 1;
constexpr int kOffsetsPos = 5;
constexpr uchar kFlagWideText = 0x01;
constexpr uchar kFlagWideOffsets = 0x02;

bool fitsLatin1(const QChar* p, int n)
{
    for (int i = 0; i < n; ++i)
        if (p[i].unicode() > 0xFF)
            return false;
    return true;
}

} // namespace

// Writes a new block field by field; the caller knows the field count, the
// total text length and whether any character needs 16 bits before it starts.
class CFelDelimTextRowBuilder
{
public:
    CFelDelimTextRowBuilder(int nFields, int nTextLength, bool bWide)
        : m_bWide(bWide), m_bWideOffsets(nTextLength > 0xFFFF)
    {
        const int offsetSize = m_bWideOffsets ? 4 : 2;
        m_nTextPos = kOffsetsPos + nFields * offsetSize;
        m_data.resize(m_nTextPos + nTextLength * (bWide ? 2 : 1));
        m_p = reinterpret_cast<uchar*>(m_data.data());
        m_p[kFlagsPos] = uchar((bWide ? kFlagWideText : 0) | (m_bWideOffsets ? kFlagWideOffsets : 0));
        LE::put32(m_p + kCountPos, uint32_t(nFields));
    }

    void add(const QChar* pText, int n)
    {
        uchar* out = textAt(m_nChars);
        for (int i = 0; i < n; ++i) {
            const ushort c = pText[i].unicode();
            if (m_bWide)
                LE::put16(out + 2 * i, c);
            else
                out[i] = uchar(c);
        }
        endField(n);
    }

    void addFrom(const CFelDelimTextRow& row, int i)
    {
        const int start = row.fieldStart(i);
        const int n = row.fieldEnd(i) - start;
        const uchar* in = row.textBytes();
        uchar* out = textAt(m_nChars);
        if (row.isWide() == m_bWide) {
            std::memcpy(out, in + start * (m_bWide ? 2 : 1), size_t(n) * (m_bWide ? 2 : 1));
        } else {
            // Only ever widening: a narrow block is never built from wide text.
            for (int k = 0; k < n; ++k)
                LE::put16(out + 2 * k, in[start + k]);
        }
        endField(n);
    }

    void addEmpty() { endField(0); }

    CFelDelimTextRow take()
    {
        CFelDelimTextRow row;
        if (m_nField > 0)
            row.m_data = m_data;
        return row;
    }

private:
    uchar* textAt(int nChar) { return m_p + m_nTextPos + nChar * (m_bWide ? 2 : 1); }

    void endField(int n)
    {
        m_nChars += n;
        if (m_bWideOffsets)
            LE::put32(m_p + kOffsetsPos + 4 * m_nField, uint32_t(m_nChars));
        else
            LE::put16(m_p + kOffsetsPos + 2 * m_nField, uint16_t(m_nChars));
        ++m_nField;
    }

    QByteArray m_data;
    uchar* m_p = nullptr;
    bool m_bWide;
    bool m_bWideOffsets;
    int m_nTextPos = 0;
    int m_nChars = 0;
    int m_nField = 0;
};

CFelDelimTextRow::CFelDelimTextRow(const QStringList& fields)
{
    int total = 0;
    bool wide = false;
    for (const QString& f : fields) {
        total += f.size();
        wide = wide || !fitsLatin1(f.constData(), f.size());
    }
    CFelDelimTextRowBuilder b(fields.size(), total, wide);
    for (const QString& f : fields)
        b.add(f.constData(), f.size());
    *this = b.take();
}

CFelDelimTextRow::CFelDelimTextRow(const QChar* pText, const int* pEnds, int nFields)
{
    const int total = nFields > 0 ? pEnds[nFields - 1] : 0;
    CFelDelimTextRowBuilder b(nFields, total, !fitsLatin1(pText, total));
    int start = 0;
    for (int i = 0; i < nFields; ++i) {
        b.add(pText + start, pEnds[i] - start);
        start = pEnds[i];
    }
    *this = b.take();
}

const uchar* CFelDelimTextRow::base() const
{
    return reinterpret_cast<const uchar*>(m_data.constData());
}

int CFelDelimTextRow::size() const
{
    return m_data.isEmpty() ? 0 : int(LE::get32(base() + kCountPos));
}

bool CFelDelimTextRow::isWide() const
{
    return !m_data.isEmpty() && (base()[kFlagsPos] & kFlagWideText);
}

bool CFelDelimTextRow::hasWideOffsets() const
{
    return !m_data.isEmpty() && (base()[kFlagsPos] & kFlagWideOffsets);
}

int CFelDelimTextRow::fieldEnd(int i) const
{
    return hasWideOffsets() ? int(LE::get32(base() + kOffsetsPos + 4 * i))
                            : int(LE::get16(base() + kOffsetsPos + 2 * i));
}

int CFelDelimTextRow::textLength() const
{
    const int n = size();
    return n > 0 ? fieldEnd(n - 1) : 0;
}

int CFelDelimTextRow::textOffset() const
{
    return kOffsetsPos + size() * (hasWideOffsets() ? 4 : 2);
}

const uchar* CFelDelimTextRow::textBytes() const
{
    return base() + textOffset();
}

QString CFelDelimTextRow::field(int i) const
{
    if (i < 0 || i >= size())
        return QString();
    const int start = fieldStart(i);
    const int n = fieldEnd(i) - start;
    if (n == 0)
        return QStringLiteral("");   // present but empty, unlike a missing field
    const uchar* p = textBytes();
    if (!isWide())
        return QString::fromLatin1(reinterpret_cast<const char*>(p + start), n);
    QString text(n, Qt::Uninitialized);
    QChar* out = text.data();
    for (int k = 0; k < n; ++k)
        out[k] = QChar(LE::get16(p + 2 * (start + k)));
    return text;
}

bool CFelDelimTextRow::fieldEquals(int i, const QString& text, Qt::CaseSensitivity cs) const
{
    if (i < 0 || i >= size())
        return false;
    if (isWide())
        return field(i).compare(text, cs) == 0;
    const int start = fieldStart(i);
    const QLatin1String stored(reinterpret_cast<const char*>(textBytes() + start), fieldEnd(i) - start);
    return text.compare(stored, cs) == 0;
}

QStringList CFelDelimTextRow::fields() const
{
    QStringList list;
    const int n = size();
    list.reserve(n);
    for (int i = 0; i < n; ++i)
        list.append(field(i));
    return list;
}

QLatin1String CFelDelimTextRow::latin1Field(int i) const
{
    if (i < 0 || i >= size() || isWide())
        return QLatin1String();
    const int start = fieldStart(i);
    return QLatin1String(reinterpret_cast<const char*>(textBytes() + start), fieldEnd(i) - start);
}

void CFelDelimTextRow::setField(int i, const QString& text)
{
    if (i < 0)
        return;
    if (canEditInPlace(i, text)) {
        if (i < size())
            replaceInPlace(i, text);
        else
            appendInPlace(i, text);
        return;
    }
    const int n = size();
    const int count = qMax(n, i + 1);
    const int oldLength = i < n ? fieldEnd(i) - fieldStart(i) : 0;
    const bool wide = isWide() || !fitsLatin1(text.constData(), text.size());
    CFelDelimTextRowBuilder b(count, textLength() - oldLength + text.size(), wide);
    for (int k = 0; k < count; ++k) {
        if (k == i)
            b.add(text.constData(), text.size());
        else if (k < n)
            b.addFrom(*this, k);
        else
            b.addEmpty();
    }
    *this = b.take();
}

// In place while the character width and the offset width both stay.
bool CFelDelimTextRow::canEditInPlace(int i, const QString& text) const
{
    if (m_data.isEmpty() || (!isWide() && !fitsLatin1(text.constData(), text.size())))
        return false;
    const int n = size();
    const int oldLength = i < n ? fieldEnd(i) - fieldStart(i) : 0;
    const qint64 newLength = qint64(textLength()) - oldLength + text.size();
    return hasWideOffsets() || newLength <= 0xFFFF;
}

void CFelDelimTextRow::replaceInPlace(int i, const QString& text)
{
    const int charSize = isWide() ? 2 : 1;
    const int start = fieldStart(i);
    const int delta = text.size() - (fieldEnd(i) - start);
    const int fieldEndPos = textOffset() + fieldEnd(i) * charSize;
    if (delta > 0)
        m_data.insert(fieldEndPos, delta * charSize, '\0');
    else if (delta < 0)
        m_data.remove(fieldEndPos + delta * charSize, -delta * charSize);
    uchar* p = reinterpret_cast<uchar*>(m_data.data());
    const int n = size();
    for (int k = i; k < n; ++k) {
        if (hasWideOffsets())
            LE::put32(p + kOffsetsPos + 4 * k, uint32_t(fieldEnd(k) + delta));
        else
            LE::put16(p + kOffsetsPos + 2 * k, uint16_t(fieldEnd(k) + delta));
    }
    putChars(start, text);
}

// Pads with empty fields up to i, then adds text as field i at the end.
void CFelDelimTextRow::appendInPlace(int i, const QString& text)
{
    const int n = size();
    const int offsetSize = hasWideOffsets() ? 4 : 2;
    const int oldTextLength = textLength();
    const int added = i + 1 - n;
    m_data.insert(textOffset(), added * offsetSize, '\0');
    m_data.resize(m_data.size() + text.size() * (isWide() ? 2 : 1));
    uchar* p = reinterpret_cast<uchar*>(m_data.data());
    LE::put32(p + kCountPos, uint32_t(i + 1));
    for (int k = n; k <= i; ++k) {
        const int end = k == i ? oldTextLength + text.size() : oldTextLength;
        if (offsetSize == 4)
            LE::put32(p + kOffsetsPos + 4 * k, uint32_t(end));
        else
            LE::put16(p + kOffsetsPos + 2 * k, uint16_t(end));
    }
    putChars(oldTextLength, text);
}

void CFelDelimTextRow::putChars(int nChar, const QString& text)
{
    uchar* p = reinterpret_cast<uchar*>(m_data.data()) + textOffset();
    const QChar* in = text.constData();
    if (isWide()) {
        for (int k = 0; k < text.size(); ++k)
            LE::put16(p + 2 * (nChar + k), in[k].unicode());
    } else {
        for (int k = 0; k < text.size(); ++k)
            p[nChar + k] = uchar(in[k].unicode());
    }
}

void CFelDelimTextRow::insertFields(int i, int nCount)
{
    const int n = size();
    if (i < 0 || i > n || nCount <= 0)
        return;
    CFelDelimTextRowBuilder b(n + nCount, textLength(), isWide());
    for (int k = 0; k < i; ++k)
        b.addFrom(*this, k);
    for (int k = 0; k < nCount; ++k)
        b.addEmpty();
    for (int k = i; k < n; ++k)
        b.addFrom(*this, k);
    *this = b.take();
}

void CFelDelimTextRow::removeFields(int i, int nCount)
{
    const int n = size();
    if (i < 0 || i >= n || nCount <= 0)
        return;
    const int last = i + qMin(nCount, n - i);
    const int removedLength = fieldStart(last) - fieldStart(i);
    CFelDelimTextRowBuilder b(n - (last - i), textLength() - removedLength, isWide());
    for (int k = 0; k < n; ++k)
        if (k < i || k >= last)
            b.addFrom(*this, k);
    *this = b.take();
}

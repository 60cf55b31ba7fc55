#include "Firmware/FlashImage.h"

#include "Firmware/PartitionTable.h"

#include <QSettings>

#include <limits>

namespace {

constexpr qint64 NO_LIMIT = std::numeric_limits<qint64>::max();
constexpr qint64 UINT32_LIMIT = 0xFFFFFFFF;

enum class EField { Missing, NotANumber, Number };

// QSettings gives an invalid value for an absent key; INI values arrive as text.
EField readNumber(const QSettings& settings, const QString& key, qint64& number)
{
    const QVariant value = settings.value(key);
    if (!value.isValid())
        return EField::Missing;
    bool ok = false;
    number = value.toString().toLongLong(&ok, 10);
    return ok ? EField::Number : EField::NotANumber;
}

// 0 when the key holds an integer in [min, max]; missingCode when it is absent, else rangeCode.
int readChecked(const QSettings& settings, const QString& key, qint64 min, qint64 max,
                int missingCode, int rangeCode, qint64& number)
{
    switch (readNumber(settings, key, number)) {
    case EField::Missing:
        return missingCode;
    case EField::NotANumber:
        return rangeCode;
    case EField::Number:
        break;
    }
    return (number < min || number > max) ? rangeCode : 0;
}

} // namespace

int CFlashImage::load(const QString& fileName, ESystem system)
{
    m_system = system;
    m_blocks.clear();
    QSettings settings(fileName, QSettings::IniFormat);
    if (const int rc = loadHeader(settings))
        return rc;
    return loadBlocks(settings);
}

int CFlashImage::loadHeader(const QSettings& settings)
{
    qint64 n = 0;
    if (const int rc = readChecked(settings, "Type", 1, NO_LIMIT, ERR_TYPE_MISSING, ERR_TYPE_BELOW_1, n))
        return rc;
    if (n > CPartitionTable::PT_WIFI_BRIDGE)
        return ERR_TYPE_ABOVE_5;
    m_type = int(n);
    if (const int rc = readChecked(settings, "MainVer", 0, 255, ERR_MAINVER_MISSING, ERR_MAINVER_RANGE, n))
        return rc;
    m_mainVer = quint8(n);
    if (const int rc = readChecked(settings, "SubVer", 0, 255, ERR_SUBVER_MISSING, ERR_SUBVER_RANGE, n))
        return rc;
    m_subVer = quint8(n);
    if (const int rc = readChecked(settings, "StartAdr", 0, UINT32_LIMIT, ERR_STARTADR_MISSING,
                                   ERR_STARTADR_MISSING, n))
        return rc;
    m_startAdr = quint32(n);
    if (const int rc = readChecked(settings, "Encryption", 0, 1, ERR_ENCRYPTION_MISSING, ERR_ENCRYPTION_RANGE, n))
        return rc;
    m_encryption = int(n);
    return LOAD_OK;
}

int CFlashImage::loadBlocks(QSettings& settings)
{
    // Without "size" QSettings sees an empty array: an image without blocks is valid.
    qint64 count = 0;
    switch (readNumber(settings, "MemBlocks/size", count)) {
    case EField::Missing:
        count = 0;
        break;
    case EField::NotANumber:
        return ERR_BLOCKCOUNT_INVALID;
    case EField::Number:
        if (count < 0 || count > std::numeric_limits<int>::max())
            return ERR_BLOCKCOUNT_INVALID;
        break;
    }

    int rc = LOAD_OK;
    settings.beginReadArray("MemBlocks");
    for (int i = 0; i < count && rc == LOAD_OK; ++i) {
        settings.setArrayIndex(i);
        SMemBlock block;
        rc = loadBlock(settings, block);
        if (rc == LOAD_OK)
            m_blocks.append(block);
    }
    settings.endArray();
    return rc;
}

int CFlashImage::loadBlock(const QSettings& settings, SMemBlock& block)
{
    qint64 n = 0;
    if (const int rc = readChecked(settings, "MemAdr", 0, UINT32_LIMIT, ERR_MEMADR_MISSING, ERR_MEMADR_MISSING, n))
        return rc;
    block.memAdr = quint32(n);
    if (const int rc = readChecked(settings, "PlainLen", 0, UINT32_LIMIT, ERR_PLAINLEN_MISSING,
                                   ERR_PLAINLEN_MISSING, n))
        return rc;
    block.plainLen = quint32(n);
    // Plain text would have to be guessed into bytes; only "@ByteArray(...)" is taken.
    const QVariant data = settings.value("Data");
    if (data.userType() != QMetaType::QByteArray)
        return ERR_DATA_MISSING;
    block.data = data.toByteArray();
    if (const int rc = readChecked(settings, "CRC16", 0, 65535, ERR_CRC16_MISSING, ERR_CRC16_RANGE, n))
        return rc;
    block.crc16 = quint16(n);
    return LOAD_OK;
}

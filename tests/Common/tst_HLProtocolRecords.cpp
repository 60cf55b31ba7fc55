#include "HLProtocolRecords.h"

#include "RecordCase.h"

#include <QtTest>

// Filled examples; the expected byte images below are written by hand from
// the record tables, field by field.

static SHLP_IdentData identAnswer()
{
    SHLP_IdentData r;
    r.m_SerialNr = 0x12345678;
    r.m_BoardVersion = 4;
    r.m_RunningSystem = 3;
    r.m_VersionFlag = 1;
    r.m_BootVersionMajor = 2;
    r.m_BootVersionMinor = 7;
    r.m_AppVersionMajor = 3;
    r.m_AppVersionMinor = 15;
    r.m_Family70 = true;
    r.m_WifiVersionMajor = 1;
    r.m_WifiVersionMinor = 23;
    r.m_Reserved[0] = 0xAB;
    r.m_Reserved[23] = 0xCD;
    return r;
}

static SHLP_IdentData identSerial() { return SHLP_IdentData::serialNumberRecord(0x01020304); }

static SHLP_ReportMemory reportMemory()
{
    SHLP_ReportMemory r;
    r.m_StartAddress = 0x00020000;
    r.m_Length = 256;
    return r;
}

static SHLP_PersCounters persCounters()
{
    SHLP_PersCounters r;
    r.m_Remaining = 74;
    for (int i = 0; i < 7; ++i)
        r.m_Values[size_t(i)] = uint32_t(i + 1);
    r.m_Values[7] = 0xFFFFFFFE;
    return r;
}

static SHLP_GetTimer timer()
{
    SHLP_GetTimer r;
    r.m_Milliseconds = 999;
    r.m_Seconds = 59;
    r.m_Minutes = 30;
    r.m_Hours = 23;
    r.m_Days = 400;
    return r;
}

static SHLP_SetSimulationValues simulation()
{
    SHLP_SetSimulationValues r;
    r.m_ComfortLevel = 2;
    r.m_DIPSwitch = 45;    // flow 1 + 4 x 1 + 8 x 1 + 16 x 2
    r.m_Flag = 1;
    r.m_Byte4 = 60;
    r.m_Byte5 = 10;
    r.m_Values = { 164, uint16_t(-40), 80, 16, 168, 45, 800, 0 }; // 20.5, -5, 80 %, 2, 21 degC, 45 %, 800 ppm
    return r;
}

static SHLP_SetSimulationValues_70 simulation70()
{
    SHLP_SetSimulationValues_70 r;
    r.m_ComfortLevel = 4;
    r.m_DIPSwitch = 26;    // 8 x 3 + 2 x 1
    r.m_Setting3 = 55;
    r.m_Setting4 = 19;
    r.m_Values = { 144, 178, 40, 50, 400, 1200, 0, 0, 0, 0, 0, 0xBEEF };
    return r;
}

static SHLP_ReportSecLog secLogRequest() { return SHLP_ReportSecLog::request(1, 300, 10); }

static SHLP_ReportSecLog secLogAnswer()
{
    SHLP_ReportSecLog r;
    r.m_TimeSpan = 2;
    r.m_Count = 7;
    r.m_Entries[0][0] = 0x11;
    r.m_Entries[4][31] = 0x99;
    return r;
}

static SHLP_EraseSecLog eraseSecLog()
{
    SHLP_EraseSecLog r;
    r.m_TimeSpan = 2;
    return r;
}

static SHLP_CheckSecLog checkSecLog()
{
    SHLP_CheckSecLog r;
    r.m_TimeSpan = 1;
    r.m_Result = 5;
    return r;
}

static SHLP_GetSecLogCnt secLogCnt()
{
    SHLP_GetSecLogCnt r;
    r.m_Capacity = { 672, 365, 120 };
    r.m_Count = { 100, 30, 2 };
    r.m_Oldest = { 500, 0, 1 };
    return r;
}

static SHLP_WifiData wifiData()
{
    SHLP_WifiData r;
    r.m_Status = 3;
    r.m_Signal = -67;
    r.m_Rest[0] = 0x42;
    r.m_Rest[166] = 0x24;
    return r;
}

static SHLP_ReadWriteSinglePersCounter counterRead() { return SHLP_ReadWriteSinglePersCounter::readRequest(39); }

static SHLP_ReadWriteSinglePersCounter counterWrite()
{
    return SHLP_ReadWriteSinglePersCounter::writeRequest(1, 0x00012345);
}

static SHLP_ReadWriteSinglePersCounter counterError()
{
    SHLP_ReadWriteSinglePersCounter r;
    r.m_CounterId = 74;
    r.m_Action = SHLP_ReadWriteSinglePersCounter::EError;
    return r;
}

static SHLP_MoveVent moveVent()
{
    SHLP_MoveVent r;
    r.m_Vent = 3;
    r.m_Command = 2;
    return r;
}

static SHLP_SetNetworkCredentials credentials()
{
    SHLP_SetNetworkCredentials r;
    r.m_NetworkName = "ABCDEFGHIJKLMNOPQRSTUVWXY";   // 25 characters: no terminating zero
    r.m_Password = QString::fromUtf8("p\xC3\xA4sswort");
    r.m_Key = "k3y";
    r.m_CredType = 2;
    r.m_Ip = { 192, 168, 1, 20 };
    r.m_UnitName = "Living room";
    r.m_Email1 = "a@b.de";
    return r;
}

class tst_HLProtocolRecords : public QObject
{
    Q_OBJECT
private slots:
    void bothWays_data();
    void bothWays();
    void decodeRefusesNull();
    void identBitFields_data();
    void identBitFields();
    void credentialTexts_data();
    void credentialTexts();
    void messageTable_data();
    void messageTable();
};

void tst_HLProtocolRecords::bothWays_data()
{
    QTest::addColumn<SRecordCase>("record");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("SHLP_IdentData answer, 39")
        << recordCase<SHLP_IdentData, identAnswer>()
        << image(39, { { 0, "02 78563412 00 04 03 01 02 07 03 0F C305 AB" }, { 38, "CD" } });
    QTest::newRow("SHLP_IdentData message 3, 39")
        << recordCase<SHLP_IdentData, identSerial>() << image(39, { { 0, "03 04030201" } });
    QTest::newRow("SHLP_ReportMemory, 9")
        << recordCase<SHLP_ReportMemory, reportMemory>() << image(9, { { 0, "0C 00000200 00010000" } });
    QTest::newRow("SHLP_PersCounters, 37")
        << recordCase<SHLP_PersCounters, persCounters>()
        << image(37, { { 0, "0D 4A000000 01000000 02000000 03000000 04000000 05000000 06000000 07000000 FEFFFFFF" } });
    QTest::newRow("SHLP_GetTimer, 8")
        << recordCase<SHLP_GetTimer, timer>() << image(8, { { 0, "0E E703 3B 1E 17 9001" } });
    QTest::newRow("SHLP_SetSimulationValues, 22")
        << recordCase<SHLP_SetSimulationValues, simulation>()
        << image(22, { { 0, "10 02 2D 01 3C 0A A400 D8FF 5000 1000 A800 2D00 2003 0000" } });
    QTest::newRow("SHLP_SetSimulationValues_70, 30")
        << recordCase<SHLP_SetSimulationValues_70, simulation70>()
        << image(30, { { 0, "10 04 1A 37 13 00 9000 B200 2800 3200 9001 B004" }, { 28, "EFBE" } });
    QTest::newRow("SHLP_ReportSecLog request, 166")
        << recordCase<SHLP_ReportSecLog, secLogRequest>() << image(166, { { 0, "14 01 2C01 0A00" } });
    QTest::newRow("SHLP_ReportSecLog answer, 166")
        << recordCase<SHLP_ReportSecLog, secLogAnswer>()
        << image(166, { { 0, "14 02 0000 0700 11" }, { 165, "99" } });
    QTest::newRow("SHLP_EraseSecLog, 2") << recordCase<SHLP_EraseSecLog, eraseSecLog>() << image(2, { { 0, "15 02" } });
    QTest::newRow("SHLP_CheckSecLog, 3") << recordCase<SHLP_CheckSecLog, checkSecLog>() << image(3, { { 0, "17 01 05" } });
    QTest::newRow("SHLP_GetSecLogCnt, 20")
        << recordCase<SHLP_GetSecLogCnt, secLogCnt>()
        << image(20, { { 0, "18 00 A002 6D01 7800 6400 1E00 0200 F401 0000 0100" } });
    QTest::newRow("SHLP_WifiData, 170")
        << recordCase<SHLP_WifiData, wifiData>() << image(170, { { 0, "1A 03 BD 42" }, { 169, "24" } });
    QTest::newRow("SHLP_ReadWriteSinglePersCounter read, 7")
        << recordCase<SHLP_ReadWriteSinglePersCounter, counterRead>() << image(7, { { 0, "1B 27 00 FFFFFFFF" } });
    QTest::newRow("SHLP_ReadWriteSinglePersCounter write, 7")
        << recordCase<SHLP_ReadWriteSinglePersCounter, counterWrite>() << image(7, { { 0, "1B 01 01 45230100" } });
    QTest::newRow("SHLP_ReadWriteSinglePersCounter error, 7")
        << recordCase<SHLP_ReadWriteSinglePersCounter, counterError>() << image(7, { { 0, "1B 4A 02 00000000" } });
    QTest::newRow("SHLP_MoveVent, 3") << recordCase<SHLP_MoveVent, moveVent>() << image(3, { { 0, "1C 03 02" } });
    QTest::newRow("SHLP_SetNetworkCredentials, 200")
        << recordCase<SHLP_SetNetworkCredentials, credentials>()
        << image(200, { { 0, "1D 00" },
                        { 2, "41 42 43 44 45 46 47 48 49 4A 4B 4C 4D 4E 4F 50 51 52 53 54 55 56 57 58 59" },
                        { 27, "70 E4 73 73 77 6F 72 74" },
                        { 52, "6B 33 79" },
                        { 72, "02 C0 A8 01 14" },
                        { 77, "4C 69 76 69 6E 67 20 72 6F 6F 6D" },
                        { 102, "61 40 62 2E 64 65" } });
}

void tst_HLProtocolRecords::bothWays()
{
    QFETCH(SRecordCase, record);
    QFETCH(QByteArray, bytes);
    const QString problem = checkBothWays(record, bytes);
    QVERIFY2(problem.isEmpty(), qPrintable(problem));
}

void tst_HLProtocolRecords::decodeRefusesNull()
{
    SHLP_GetTimer record = timer();
    QVERIFY(!record.decode(nullptr, 100));
    QVERIFY(record == timer());
}

void tst_HLProtocolRecords::identBitFields_data()
{
    QTest::addColumn<QByteArray>("word13");
    QTest::addColumn<bool>("family70");
    QTest::addColumn<int>("wifiMajor");
    QTest::addColumn<int>("wifiMinor");

    QTest::newRow("bit 0: 70 family")       << QByteArray::fromHex("0100") << true  << 0  << 0;
    QTest::newRow("bits 1-5: major 31")     << QByteArray::fromHex("3E00") << false << 31 << 0;
    QTest::newRow("bits 6-12: minor 127")   << QByteArray::fromHex("C01F") << false << 0  << 127;
    QTest::newRow("bits 13-15 ignored")     << QByteArray::fromHex("00E0") << false << 0  << 0;
    QTest::newRow("all ones")               << QByteArray::fromHex("FFFF") << true  << 31 << 127;
    QTest::newRow("100 family, WiFi 2.05")  << QByteArray::fromHex("4401") << false << 2  << 5;
}

void tst_HLProtocolRecords::identBitFields()
{
    QFETCH(QByteArray, word13);
    QFETCH(bool, family70);
    QFETCH(int, wifiMajor);
    QFETCH(int, wifiMinor);

    QByteArray bytes(SHLP_IdentData::Size, '\0');
    bytes[0] = 2;
    bytes.replace(13, 2, word13);
    SHLP_IdentData ident;
    QVERIFY(ident.decode(bytes));
    QCOMPARE(ident.m_Family70, family70);
    QCOMPARE(int(ident.m_WifiVersionMajor), wifiMajor);
    QCOMPARE(int(ident.m_WifiVersionMinor), wifiMinor);
    QCOMPARE(ident.toBytes(), bytes); // reserved bits are carried back
}

void tst_HLProtocolRecords::credentialTexts_data()
{
    QTest::addColumn<int>("field");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("fits");

    // Field limits: name 25, password 25, key 20, unit name 25, e-mails 49.
    QTest::newRow("name 25")      << 0 << 25 << true;
    QTest::newRow("name 26")      << 0 << 26 << false;
    QTest::newRow("password 26")  << 1 << 26 << false;
    QTest::newRow("key 20")       << 2 << 20 << true;
    QTest::newRow("key 21")       << 2 << 21 << false;
    QTest::newRow("unit name 26") << 3 << 26 << false;
    QTest::newRow("e-mail 1 49")  << 4 << 49 << true;
    QTest::newRow("e-mail 1 50")  << 4 << 50 << false;
    QTest::newRow("e-mail 2 50")  << 5 << 50 << false;
}

void tst_HLProtocolRecords::credentialTexts()
{
    QFETCH(int, field);
    QFETCH(int, length);
    QFETCH(bool, fits);

    SHLP_SetNetworkCredentials record;
    QString* const texts[] = { &record.m_NetworkName, &record.m_Password, &record.m_Key,
                               &record.m_UnitName, &record.m_Email1, &record.m_Email2 };
    *texts[field] = QString(length, QChar(0xE9)); // Latin-1 e-acute: one byte each
    QCOMPARE(record.textsFit(), fits);
    QCOMPARE(record.toBytes().size(), 200);
}

void tst_HLProtocolRecords::messageTable_data()
{
    QTest::addColumn<int>("request");
    QTest::addColumn<int>("requestSize");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("answerSize");
    QTest::addColumn<int>("answerSize70");

    QTest::newRow("1 ident")               << 1  << 1   << 2  << 39  << 39;
    QTest::newRow("3 serial number")       << 3  << 39  << 0  << 0   << 0;
    QTest::newRow("12 memory")             << 12 << 9   << 12 << -1  << -1;
    QTest::newRow("13 counters")           << 13 << 1   << 13 << 37  << 37;
    QTest::newRow("14 timer")              << 14 << 1   << 14 << 8   << 8;
    QTest::newRow("15 primary log")        << 15 << 1   << 15 << 186 << 200;
    QTest::newRow("16 simulation")         << 16 << 22  << 0  << 0   << 0;
    QTest::newRow("19 current state")      << 19 << 1   << 19 << 28  << 30;
    QTest::newRow("20 secondary log")      << 20 << 166 << 20 << 166 << 166;
    QTest::newRow("21 erase")              << 21 << 2   << 0  << 0   << 0;
    QTest::newRow("22 average values")     << 22 << 1   << 0  << 0   << 0;
    QTest::newRow("23 check")              << 23 << 3   << 23 << 3   << 3;
    QTest::newRow("24 count")              << 24 << 20  << 24 << 20  << 20;
    QTest::newRow("25 vent info")          << 25 << 1   << 25 << 146 << 0;
    QTest::newRow("26 wifi")               << 26 << 1   << 26 << 170 << 0;
    QTest::newRow("27 single counter")     << 27 << 7   << 27 << 7   << 7;
    QTest::newRow("28 move vent")          << 28 << 3   << 0  << 0   << 0;
    QTest::newRow("29 credentials")        << 29 << 200 << 0  << 0   << 0;
}

void tst_HLProtocolRecords::messageTable()
{
    QFETCH(int, request);
    QFETCH(int, requestSize);
    QFETCH(int, answer);
    QFETCH(int, answerSize);
    QFETCH(int, answerSize70);

    const SHLP_MessageInfo* info = hlpMessageInfo(request);
    QVERIFY(info != nullptr);
    QCOMPARE(info->nRequest, request);
    QCOMPARE(info->nRequestSize, requestSize);
    QCOMPARE(info->nAnswer, answer);
    QCOMPARE(info->nAnswerSize, answerSize);
    QCOMPARE(info->nAnswerSize70, answerSize70);
    if (answer > 0)
        QCOMPARE(int(hlpAnswerId(answer)), 0x0100 + answer);
    QVERIFY(hlpMessageInfo(2) == nullptr);
    QVERIFY(hlpMessageInfo(10) == nullptr);
    QVERIFY(hlpMessageInfo(30) == nullptr);
}

QTEST_GUILESS_MAIN(tst_HLProtocolRecords)
#include "tst_HLProtocolRecords.moc"

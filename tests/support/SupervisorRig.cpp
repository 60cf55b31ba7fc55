#include "SupervisorRig.h"

#include "DataDictField.h"
#include "LittleEndian.h"
#include "RecordingDBMessenger.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {
const QString kRigConnection = QStringLiteral("SupervisorRig");
const QString kReferenceConnection = QStringLiteral("SupervisorRigReference");
}

const qint64 CSupervisorRig::Now = 1770103900; // 2026-02-03 07:31:40 UTC

CSupervisorRig::CSupervisorRig()
    : m_pMessenger(new CRecordingDBMessenger)
{
}

CSupervisorRig::~CSupervisorRig()
{
    stop();
    CDBBase::removeConnection(kRigConnection);
}

SSimConfig CSupervisorRig::frozenUnit()
{
    SSimConfig c;
    c.startUnixSec = Now - 100;
    c.clockSpeed = 0.0;
    c.restartDelayMs = 200;
    return c;
}

SMainObjectConfig CSupervisorRig::shortPeriods() const
{
    SMainObjectConfig c;
    c.nPollPeriodMs = 300;
    c.nStartPauseMs = 500;
    c.nIdentTimeoutMs = 2000;
    c.nLinkSilencePolls = 300;
    c.strDatabaseDirectory = m_Dir.path();
    c.pDBMessenger = m_pMessenger.get();
    c.nowSecs = [] { return Now; };
    return c;
}

bool CSupervisorRig::start(const SSimConfig& unit, const SMainObjectConfig& supervisor)
{
    // The tables exist before the worker stores, as the program's start-up makes sure.
    {
        CSecLogDB store(kRigConnection, nullptr, m_pMessenger.get(), m_Dir.path());
        CSecLogDB70 store70(kRigConnection, nullptr, m_pMessenger.get(), m_Dir.path());
        if (!store.createTable() || !store70.createTable())
            return false;
    }
    m_pUnit.reset(new CUnitSimThread(unit));
    if (!m_pUnit->startUnit())
        return false;
    m_pThread.reset(new CFanPollingThread(false, supervisor));
    m_pThread->start();
    m_pMainObject = m_pThread->mainObject();
    m_pProbe.reset(new CSupervisorProbe(m_pMainObject));
    return m_pMainObject != nullptr;
}

bool CSupervisorRig::stop()
{
    bool bEnded = true;
    if (m_pThread) {
        m_pThread->requestEnd();
        bEnded = m_pThread->wait(2000);
        m_pThread.reset();
        m_pMainObject = nullptr;
    }
    m_pUnit.reset();
    return bEnded;
}

CFanValues CSupervisorRig::truth100()
{
    SPrimLogEntry entry;
    entry.decode(sim().currentEntry());
    return CFanValues(entry);
}

CFanValues70 CSupervisorRig::truth70()
{
    SPrimLogEntry_70 entry;
    entry.decode(sim().currentEntry());
    return CFanValues70(entry);
}

bool CSupervisorRig::sameValues(const CFanValues& a, const CFanValues& b)
{
    for (int i = 0; i < DDF_Count; ++i)
        if (a.value(i) != b.value(i))
            return false;
    return a.checksum() == b.checksum();
}

bool CSupervisorRig::sameValues(const CFanValues70& a, const CFanValues70& b)
{
    for (int i = 0; i < DDF_Count; ++i)
        if (a.value(i) != b.value(i))
            return false;
    return true;
}

QStringList CSupervisorRig::tableRows(const QString& strTable)
{
    CSecLogDB opener(kRigConnection, nullptr, m_pMessenger.get(), m_Dir.path());
    return rowsOf(kRigConnection, strTable);
}

QStringList CSupervisorRig::referenceRows(bool bFamily70, int nSpan, int nCount, qint64 nFirstSec)
{
    QTemporaryDir dir;
    int nCapacity = 0;
    int nOldest = 0;
    sim().ringInfo(nSpan, &nCapacity, nullptr, &nOldest);
    QDateTime time = QDateTime::fromSecsSinceEpoch(nFirstSec, Qt::UTC);
    const QByteArray ident = sim().identityRecord();    // serial number in bytes 1-4
    const int nSerialNr = int(LE::get32(reinterpret_cast<const uint8_t*>(ident.constData()) + 1));
    QStringList rows;
    {
        CRecordingDBMessenger messenger;
        if (bFamily70) {
            CSecLogDB70 store(kReferenceConnection, nullptr, &messenger, dir.path());
            QVector<SSecLogEntry_70> entries(nCount);
            for (int i = 0; i < nCount; ++i)
                entries[i].decode(sim().secLogSlot(nSpan, (nOldest + i) % nCapacity));
            if (store.createTable())
                store.saveSecLogValues(CLogging_70::EMaxTimeSpan(nSpan), entries, nSerialNr, time);
            rows = rowsOf(kReferenceConnection, store.tableName());
        } else {
            CSecLogDB store(kReferenceConnection, nullptr, &messenger, dir.path());
            QVector<SSecLogEntry> entries(nCount);
            for (int i = 0; i < nCount; ++i)
                entries[i].decode(sim().secLogSlot(nSpan, (nOldest + i) % nCapacity));
            if (store.createTable())
                store.saveSecLogValues(CLogging::EMaxTimeSpan(nSpan), entries, nSerialNr, time);
            rows = rowsOf(kReferenceConnection, store.tableName());
        }
    }
    CDBBase::removeConnection(kReferenceConnection);
    return rows;
}

QStringList CSupervisorRig::rowsOf(const QString& strConnection, const QString& strTable)
{
    QSqlQuery query(QSqlDatabase::database(strConnection));
    QStringList rows;
    if (!query.exec(QStringLiteral("SELECT * FROM %1 ORDER BY LogTimestamp, LTS").arg(strTable)))
        return rows;
    while (query.next()) {
        QStringList columns;
        for (int i = 0; i < query.record().count(); ++i)
            columns << query.value(i).toString();
        rows << columns.join(QLatin1Char('|'));
    }
    return rows;
}

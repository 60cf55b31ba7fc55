// CMainObject: fetching a secondary log from the unit into the log database.

#include "MainObject.h"

#include "PC/Fan.h"
#include "PC/Fan_70_PC.h"
#include "db/DBBase.h"
#include "db/SecLogDB.h"
#include "db/SecLogDB70.h"

#include <QDebug>

namespace {

// Progress values of signalSecLogRetrievalProcess besides 0..99.
constexpr int kProgressFinished = -1;
constexpr int kProgressNoRecords = -2;
constexpr int kProgressFailed = -3;

} // namespace

qint64 CMainObject::oldestRecordTime(qint64 nNowSec, int nSpanSec, int nUsed)
{
    return nNowSec - (nNowSec % nSpanSec) - nSpanSec / 2 + qint64(1 - nUsed) * nSpanSec;
}

void CMainObject::retrieveSecLog(CLogging::EMaxTimeSpan secLogType)
{
    const int nType = int(secLogType);
    const int nSpanSec = CLogging::periodSeconds(nType);
    if (nSpanSec <= 0) {
        qDebug() << "CMainObject::retrieveSecLog: unknown time span" << nType;
        return;
    }
    UINT16 capacity[CLogging::SpanCount] = {};
    UINT16 used[CLogging::SpanCount] = {};
    UINT16 oldest[CLogging::SpanCount] = {};
    if (!m_pFan->getSecLogCnt(capacity, used, oldest)) {
        changeConnectionState(CS_CommunicationError);
        return;
    }
    const int nCapacity = capacity[nType];
    const int nUsed = used[nType];
    emit signalSecLogRetrievalProcess(0, secLogType);
    if (nUsed == 0) {
        emit signalSecLogRetrievalProcess(kProgressNoRecords, secLogType);
        emit signalSecLogRetrievalProcess(kProgressFinished, secLogType);
        return;
    }
    // Counts the unit cannot hold would make the ring arithmetic read beyond
    // its end: nothing is read.
    if (nUsed > nCapacity || oldest[nType] >= nCapacity) {
        qDebug() << "CMainObject::retrieveSecLog: inconsistent counts, capacity" << nCapacity << "used" << nUsed
                 << "oldest" << oldest[nType];
        emit signalSecLogRetrievalProcess(kProgressFailed, secLogType);
        return;
    }

    const qint64 nFirstSec = oldestRecordTime(m_Config.nowSecs(), nSpanSec, nUsed);
    int nRemaining = nUsed;
    int nIndex = oldest[nType];
    while (nRemaining > 0) {
        // Between chunks, so what is stored stays whole and the thread can end.
        if (stopRequested()) {
            qDebug() << "CMainObject::retrieveSecLog: stopped, the thread ends";
            return;
        }
        const int nCount = qMin(nRemaining, SecLogChunk);
        const QDateTime time = QDateTime::fromSecsSinceEpoch(nFirstSec + qint64(nUsed - nRemaining) * nSpanSec,
                                                             Qt::UTC);
        const EChunkResult result = retrieveChunk(secLogType, UINT16(nCount), UINT16(nIndex), time);
        if (result != CR_Stored) {
            if (result == CR_ReadFailed)
                changeConnectionState(CS_CommunicationError);
            emit signalSecLogRetrievalProcess(kProgressFailed, secLogType);
            return;
        }
        emit signalSecLogRetrievalProcess((nUsed - nRemaining) * 100 / nUsed, secLogType);
        nIndex += SecLogChunk;
        if (nIndex >= nCapacity)
            nIndex -= nCapacity;
        nRemaining -= nCount;
    }
    emit signalSecLogRetrievalProcess(kProgressFinished, secLogType);
}

// Reads nCount records from ring index nIndex and stores them, the first at
// time. The store is opened per chunk on the worker's own connection.
CMainObject::EChunkResult CMainObject::retrieveChunk(CLogging::EMaxTimeSpan span, UINT16 nCount, UINT16 nIndex,
                                                     QDateTime time)
{
    if (CFan_70_PC* pFan70 = qobject_cast<CFan_70_PC*>(m_pFan.get())) {
        const CLogging_70::EMaxTimeSpan span70 = CLogging_70::EMaxTimeSpan(span);
        QVector<SSecLogEntry_70> entries;
        if (!pFan70->getSecLog(entries, span70, nCount, nIndex))
            return CR_ReadFailed;
        CSecLogDB70 store(CDBBase::WorkerThread, nullptr, m_Config.pDBMessenger, m_Config.strDatabaseDirectory);
        return store.saveSecLogValues(span70, entries, m_nSerialNr, time) ? CR_Stored : CR_StoreFailed;
    }
    CFan* pFan100 = qobject_cast<CFan*>(m_pFan.get());
    QVector<SSecLogEntry> entries;
    if (!pFan100 || !pFan100->getSecLog(entries, span, nCount, nIndex))
        return CR_ReadFailed;
    CSecLogDB store(CDBBase::WorkerThread, nullptr, m_Config.pDBMessenger, m_Config.strDatabaseDirectory);
    return store.saveSecLogValues(span, entries, m_nSerialNr, time) ? CR_Stored : CR_StoreFailed;
}

#include "FanPollingThread.h"

#include "MainObject.h"
#include "db/DBBase.h"

CFanPollingThread::CFanPollingThread(bool bFlag, QObject* parent)
    : CFanPollingThread(bFlag, SMainObjectConfig(), parent)
{
}

CFanPollingThread::CFanPollingThread(bool bFlag, const SMainObjectConfig& config, QObject* parent)
    : QThread(parent)
    , m_bFlag(bFlag)
    , m_Config(config)
{
}

CFanPollingThread::~CFanPollingThread()
{
    if (isRunning()) {
        requestEnd();
        wait();
    }
}

CMainObject* CFanPollingThread::mainObject()
{
    // Acquire and give back: every caller passes once the supervisor exists.
    m_Created.acquire();
    m_Created.release();
    return m_pMainObject;
}

void CFanPollingThread::requestEnd()
{
    requestInterruption();
    exit(0);
}

void CFanPollingThread::run()
{
    // Created here, without parent, so that it belongs to this thread.
    CMainObject* pMainObject = new CMainObject(m_bFlag, m_Config);
    m_pMainObject = pMainObject;
    m_Created.release();
    exec();
    m_pMainObject = nullptr;
    // The device object closes the port; the store's connection belongs to
    // this thread and goes with it.
    delete pMainObject;
    CDBBase::removeConnection(CDBBase::WorkerThread);
}

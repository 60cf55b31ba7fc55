#include "UnitSimThread.h"

CUnitSimThread::CUnitSimThread(const SSimConfig& config, QObject* parent)
    : QThread(parent)
    , m_Simulator(config)
{
}

CUnitSimThread::~CUnitSimThread()
{
    stopUnit();
}

bool CUnitSimThread::startUnit()
{
    if (!m_Simulator.plugIn())
        return false;
    start();
    return true;
}

void CUnitSimThread::stopUnit()
{
    if (!isRunning())
        return;
    requestInterruption();
    wait();
}

void CUnitSimThread::run()
{
    // Short polls keep answers prompt and stop requests quick.
    while (!isInterruptionRequested())
        m_Simulator.step(2);
}

#ifndef UNITSIMTHREAD_H
#define UNITSIMTHREAD_H

#include "UnitSimulator.h"

#include <QThread>

// Runs a CUnitSimulator on its own thread: the in-process unit for
// integration tests and the loop of the console program. Set state and
// faults through simulator() from any thread while it runs.
class CUnitSimThread : public QThread
{
    Q_OBJECT
public:
    explicit CUnitSimThread(const SSimConfig& config = SSimConfig(), QObject* parent = nullptr);
    ~CUnitSimThread() override;

    // Plugs the unit in and starts the loop; false if no terminal could be opened.
    bool startUnit();
    void stopUnit();

    CUnitSimulator& simulator() { return m_Simulator; }
    QString devicePath() const { return m_Simulator.devicePath(); }

protected:
    void run() override;

private:
    CUnitSimulator m_Simulator;
};

#endif // UNITSIMTHREAD_H

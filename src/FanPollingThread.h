#ifndef FANPOLLINGTHREAD_H
#define FANPOLLINGTHREAD_H

#include "MainObjectConfig.h"

#include <QSemaphore>
#include <QThread>
#include <atomic>

class CMainObject;

// The monitoring program's worker thread: it creates the connection
// supervisor CMainObject inside itself, so that the supervisor, its timer and
// the device object with the serial port belong to this thread, and runs the
// event loop that serves the supervisor's queued slot calls.
class CFanPollingThread : public QThread
{
    Q_OBJECT

public:
    // bFlag is handed to the supervisor and on to its device objects.
    explicit CFanPollingThread(bool bFlag, QObject* parent = nullptr);
    CFanPollingThread(bool bFlag, const SMainObjectConfig& config, QObject* parent = nullptr);
    // Ends the thread and waits for it if it still runs.
    ~CFanPollingThread() override;

    // Blocks until the running thread has created the supervisor. Null after
    // the thread has ended (the supervisor is destroyed with its thread).
    CMainObject* mainObject();

    // Ends the event loop with code 0 and makes a running log retrieval or
    // start-up pause stop at its next step, so that the thread ends promptly.
    void requestEnd();

protected:
    void run() override;

private:
    std::atomic<CMainObject*> m_pMainObject{nullptr};
    // The start-up latch: released by run once the supervisor exists.
    QSemaphore m_Created;
    bool m_bFlag;
    SMainObjectConfig m_Config;
};

#endif // FANPOLLINGTHREAD_H

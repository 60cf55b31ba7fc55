#ifndef FANBASE_H
#define FANBASE_H

#include "Firmware/FlashImage.h"
#include "Firmware/PartitionTable.h"
#include "HLProtocolRecords.h"
#include "LLProtocol.h"
#include "LLTypes.h"
#include "PC/Logging.h"
#include "PC/PersCounter_ReadOnly.h"

#include <QObject>
#include <QString>
#include <QVector>
#include <functional>
#include <memory>

class CLLProtocolWire;
class CPortBinding;
class QProgressBar;
class QTextEdit;

// The device object: binds to the unit's port and runs the device operations
// over it. Family classes derive from it. Which port binding it uses is the
// program's choice: pass one shared binding to every device object (the
// monitoring program), or none, and each object gets its own serial port.
// Every call comes from the one thread that does the device's I/O; each
// operation blocks that thread for its exchange (seconds on a silent unit).
// Operations report success as bool and write one debug line per failure;
// without a bound port they return false at once, without I/O or user text.
class CFanBase : public QObject
{
    Q_OBJECT

public:
    // How long getIdentData keeps re-sending its request to a silent unit.
    static constexpr int DEFAULT_IDENT_TIMEOUT_MS = 10000;

    // Own serial port, opened by openPort.
    explicit CFanBase(QObject* parent = nullptr);
    // Works on the given binding, which may already be open. Null: own serial port.
    explicit CFanBase(std::shared_ptr<CPortBinding> binding, QObject* parent = nullptr);
    // Closes the port when this is the last device object on its binding.
    ~CFanBase() override;

    // Binds to the named port; an empty name closes the port. Progress and
    // failure go to the user through signalUserInfo.
    bool openPort(const QString& portName);
    void closePort();
    // The open port's name, otherwise empty.
    QString portName() const;

    // Display for the unit's debug messages during getIdentData, sendCommand
    // and setSerialNumber; not owned; may be null.
    void setDebugOutput(QTextEdit* output) { m_pDebugOutput = output; }
    QTextEdit* debugOutput() const { return m_pDebugOutput; }

    // Empty receive polls that end a wait (about 1 ms each); tests shorten it.
    void setLinkSilencePolls(UINT16 polls) { m_nSilencePolls = polls; }
    // Replaces the 10 000 ms of getIdentData (tests).
    void setIdentTimeout(int nMs) { m_nIdentTimeoutMs = nMs; }

    // The binding, so that a device object of the other family can be
    // created on the same (open) port before this one is destroyed.
    std::shared_ptr<CPortBinding> portBinding() const { return m_pBinding; }

    // ---- operations of both families ----

    // A single-byte command with PF_RETRY (17 also without acknowledgement).
    // Failure tells the user "%1 did not respond - ".
    bool sendCommand(UINT8 nNumber);
    // Message 1 -> 2, re-sent for up to 10 s while the unit does not acknowledge.
    // Progress and failure go to the user.
    bool getIdentData(SHLP_IdentData& ident);
    // Message 3; serial number 0 is refused without sending.
    bool setSerialNumber(UINT32 nSerialNr);
    // The unit's running time (message 14); each non-null pointer receives its field.
    bool getTimer(UINT16* pMs, UINT8* pSeconds, UINT8* pMinutes, UINT8* pHours, UINT16* pDays);
    // Refills counters() from message 13 (several packets). After a failure the
    // values received so far stay.
    bool getCounters();
    // Name of counter nId; empty outside the counters read or for 45 to 49.
    QString counterName(int nId) const;
    // Counter nId from the last getCounters (bit pattern as int); -1 outside them.
    int counterValue(int nId) const;
    const QVector<UINT32>& counters() const { return m_Counters; }
    // Message 27. Reading: *pValue receives the counter unless pValue is null.
    // Writing: *pValue is written and the unit's echo must equal it.
    bool readWriteCounterValue(CPersCounter_ReadOnly::ECntID id, UINT32* pValue, bool bWrite);
    // Message 12: bytes receives what the unit returns (it decides how many).
    bool reportMemory(int nAddress, int nLength, QVector<unsigned char>& bytes);
    // Message 22: the unit recalculates its average sensor values.
    bool calcAveSenVal();
    // Leaves the boot loader: startup mode nMode (message 18) unless 0, then
    // command 17 without waiting for an acknowledgement (the unit restarts).
    bool startApplication(UINT8 nMode);

    // ---- firmware transfer through the unit's boot loader (FanBaseTransfer.cpp) ----
    //
    // Used by the update program in its GUI thread: they block it while they
    // talk to the unit and, between data packets, hand control to the event
    // pump so that the window stays alive. Problems go to signalUserInfo.

    // Pauses the boot loader is given, in ms. The defaults are what the unit
    // needs; tests and benchmarks shorten them.
    struct STransferPauses {
        int settleMs = 750;         // after command 9: the unit writes the partition
        int slowStartMs = 15000;    // slow mode: after command 4 and after each start record
        int slowChunkMs = 100;      // slow mode: after each data chunk
    };
    // Called after each acknowledged data chunk. The default processes the
    // pending events of the calling thread; an empty function does nothing.
    using EventPump = std::function<void()>;

    // Largest chunk of block data in one data record (command 8).
    static constexpr int TRANSFER_CHUNK = 192;

    void setTransferPauses(const STransferPauses& pauses) { m_TransferPauses = pauses; }
    const STransferPauses& transferPauses() const { return m_TransferPauses; }
    void setEventPump(EventPump pump) { m_EventPump = std::move(pump); }

    // Command 11: the 20 entries arrive as two packets of ten. After a failure
    // the entries already received stay filled in.
    bool getPartitionTable(CPartitionTable::SPartition (&table)[CPartitionTable::ENTRY_COUNT]);
    // Command 6 -> answer 10; the unit's return code is written to the debug log only.
    bool swapBootloaders();
    // One memory block: start record (7), data chunks (8), end (9), settle pause.
    // nDataLen bytes at pData are sent as they are; nPlainLen of them are the
    // block's content, the rest the cipher's padding. bEnciphered sets the
    // packets' user flag. pProgress (may be null) runs from 0 to 100.
    bool uploadPartition(UINT32 nMemAdr, UINT32 nDataLen, UINT32 nPlainLen, CPartitionTable::EPartType type,
                         UINT8 nMainVer, UINT8 nSubVer, UINT32 nStartAdr, UINT16 nCrc16, bool bEnciphered,
                         const UINT8* pData, QProgressBar* pProgress, bool bSlowMode);
    // The built-in image of this type for the family: command 4, every block
    // through uploadPartition, command 5. An image of type 5 goes into the
    // partition of type 4. False without an image (nothing more is sent).
    bool uploadImage(CFlashImage::ESystem system, CPartitionTable::EPartType type, QProgressBar* pProgress,
                     bool bSlowMode);

    // ---- virtual operations, in the order of the device object's slots ----

    // Message 21.
    virtual bool eraseSecLog(CLogging::EMaxTimeSpan span);
    // Message 23: result 0 = the unit found that log intact, else its error number.
    virtual bool checkSecLog(CLogging::EMaxTimeSpan span, quint8& result);
    // Message 24: three arrays of three values, index = time span; null arrays are skipped.
    virtual bool getSecLogCnt(UINT16* pCapacity, UINT16* pCount, UINT16* pOldest);
    // Name of a ventilation-reason code; this is the 100 family's table.
    virtual const char* reasonName(int nCode) const;
    // "Zyvent100" or "Zyvent plus"; fills the placeholders of the user texts.
    virtual QString familyName() const = 0;
    // 0 for the 100 family, 1 for the 70 family.
    virtual int familyType() const = 0;

signals:
    void signalUserInfo(QString strInfo);

public slots:
    void userInfo(QString strInfo);

protected:
    // True when a port is open and a transport exists; every device
    // operation checks this first and returns false without I/O otherwise.
    bool isPortBound() const;
    // The transport, null while no port is bound.
    CLLProtocolWire* wire() const;
    // A link layer for one operation: transport, debug display, silence limit.
    CLLProtocol linkProtocol() const;
    // The same without the debug display: most operations show the unit's
    // debug messages nowhere.
    CLLProtocol quietLinkProtocol() const;
    // Sends a command record as a type-1 packet, one attempt, acknowledged,
    // after discardLeftovers().
    bool sendRecord(CLLProtocol& link, const QByteArray& record) const;
    // Drops what the unit sent before a new request goes out. Nothing the unit
    // sends unasked is needed, but the rest of an answer the PC refused (the
    // next packet of a multi-packet answer, sent once the refused one was
    // acknowledged) or a second answer to a repeated request would otherwise
    // be read as the new request's acknowledgement or answer, and every
    // following exchange would stay one packet out of step.
    void discardLeftovers() const;

private:
    // ---- firmware transfer helpers (FanBaseTransfer.cpp) ----
    bool receiveTablePart(CLLProtocol& link, CPartitionTable::SPartition* pEntries);
    bool sendTransferRecord(CLLProtocol& link, const QByteArray& record, bool bUser);
    bool sendChunks(CLLProtocol& link, UINT32 nMemAdr, UINT32 nDataLen, UINT32 nPlainLen, bool bEnciphered,
                    const UINT8* pData, QProgressBar* pProgress, bool bSlowMode);
    void transferPause(int nMs);
    static void processPendingEvents();

    STransferPauses m_TransferPauses;
    EventPump m_EventPump = &CFanBase::processPendingEvents;

    std::shared_ptr<CPortBinding> m_pBinding;
    QTextEdit* m_pDebugOutput = nullptr;
    QVector<UINT32> m_Counters;
    UINT16 m_nSilencePolls = CLLProtocol::DEFAULT_SILENCE_POLLS;
    int m_nIdentTimeoutMs = DEFAULT_IDENT_TIMEOUT_MS;
};

#endif // FANBASE_H

#ifndef SIMFAULTS_H
#define SIMFAULTS_H

#include <QString>
#include <QStringList>

// The named faults the simulated unit can inject on its side of the link.
// Each is a probability per occasion (0 = never, 1 = always):
// - Noise: random bytes before a packet the unit sends (never a sync start);
// - CorruptCrc: an answer packet goes out with a wrong CRC;
// - DropAck: the unit does not acknowledge a command (it still answers);
// - NoAnswer: the command is acknowledged but never answered;
// - LateAnswer: the answer comes lateAnswerMs after the acknowledgement;
// - WrongNumber: the answer carries another message number;
// - WrongSize: the answer record is one byte longer or shorter;
// - DebugMsg: a debug message (text or number) goes out, also between a
//   request and its acknowledgement; per command and about once a second.
struct SSimFaults
{
    enum EFault { Noise, CorruptCrc, DropAck, NoAnswer, LateAnswer, WrongNumber, WrongSize, DebugMsg,
                  FaultCount };

    double rate[FaultCount] = {};
    int lateAnswerMs = 1500;

    static QString name(EFault fault);
    static int fromName(const QString& name);   // -1 if unknown
    static QStringList names();
};

#endif // SIMFAULTS_H

#ifndef RECORDINGDBMESSENGER_H
#define RECORDINGDBMESSENGER_H

#include "db/DBMessenger.h"

#include <QStringList>

// Keeps the texts the database would have shown in message boxes.
class CRecordingDBMessenger : public CDBMessenger
{
public:
    void warning(const QString& strText) override { m_Warnings << strText; }
    void critical(const QString& strText) override { m_Criticals << strText; }

    bool isEmpty() const { return m_Warnings.isEmpty() && m_Criticals.isEmpty(); }

    QStringList m_Warnings;
    QStringList m_Criticals;
};

#endif // RECORDINGDBMESSENGER_H

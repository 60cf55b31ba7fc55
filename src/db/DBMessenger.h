#ifndef DBMESSENGER_H
#define DBMESSENGER_H

#include <QString>

// The one way the log database tells the user about a failure. The program
// uses CDBMessageBoxMessenger; tests pass a recording implementation so that
// database code runs without a display and the would-be box can be checked.
class CDBMessenger
{
public:
    virtual ~CDBMessenger() = default;

    virtual void warning(const QString& strText) = 0;
    virtual void critical(const QString& strText) = 0;
};

#endif // DBMESSENGER_H

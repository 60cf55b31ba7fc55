#ifndef DBMESSAGEBOXMESSENGER_H
#define DBMESSAGEBOXMESSENGER_H

#include "db/DBMessenger.h"

// Modal message box without parent, titled with the application name, one OK
// button. A box can only live in the UI thread: called from another thread
// (the worker's secondary-log store), the box is handed to the UI thread's
// event loop instead of blocking or crashing the caller.
class CDBMessageBoxMessenger : public CDBMessenger
{
public:
    void warning(const QString& strText) override;
    void critical(const QString& strText) override;

    // Shared, stateless default used when a table object is given no messenger.
    static CDBMessageBoxMessenger* instance();

private:
    static void show(bool bCritical, const QString& strText);
};

#endif // DBMESSAGEBOXMESSENGER_H

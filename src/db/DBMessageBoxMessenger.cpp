#include "db/DBMessageBoxMessenger.h"

#include <QApplication>
#include <QDebug>
#include <QMessageBox>
#include <QThread>

void CDBMessageBoxMessenger::warning(const QString& strText)
{
    show(false, strText);
}

void CDBMessageBoxMessenger::critical(const QString& strText)
{
    show(true, strText);
}

CDBMessageBoxMessenger* CDBMessageBoxMessenger::instance()
{
    static CDBMessageBoxMessenger messenger;
    return &messenger;
}

void CDBMessageBoxMessenger::show(bool bCritical, const QString& strText)
{
    qDebug() << "Database message:" << strText;
    // Without a widget application (tools, tests) the debug line is all there is.
    QApplication* pApp = qobject_cast<QApplication*>(QCoreApplication::instance());
    if (!pApp)
        return;
    auto showBox = [bCritical, strText]() {
        const QString strTitle = QCoreApplication::applicationName();
        if (bCritical)
            QMessageBox::critical(nullptr, strTitle, strText, QMessageBox::Ok);
        else
            QMessageBox::warning(nullptr, strTitle, strText, QMessageBox::Ok);
    };
    if (QThread::currentThread() == pApp->thread())
        showBox();
    else
        QMetaObject::invokeMethod(pApp, showBox, Qt::QueuedConnection);
}

#include "FelDelimTextModel.h"
#include "RecordingDBMessenger.h"
#include "db/DBImportData.h"
#include "db/ImportProgressDialog.h"
#include "db/MinuteLogDB.h"
#include "db/SecLogDB.h"

#include <QApplication>
#include <QBuffer>
#include <QProgressBar>
#include <QProgressDialog>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// The import driven by the main window's progress dialog: the bar follows
// the rows in visible steps and its cancel button undoes the import.
class tst_ImportProgressDialog : public QObject
{
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void barFollowsTheRowsInVisibleSteps();
    void cancelledDialogStoresNothing();

private:
    void readRows(int nRows);

    std::unique_ptr<QTemporaryDir> m_pDir;
    CRecordingDBMessenger m_Messenger;
    std::unique_ptr<CMinuteLogDB> m_pMinutes;
    std::unique_ptr<CSecLogDB> m_pSecLogs;
    CFelDelimTextModel m_Model;
};

void tst_ImportProgressDialog::init()
{
    m_pDir.reset(new QTemporaryDir);
    QVERIFY(m_pDir->isValid());
    m_pMinutes.reset(new CMinuteLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    m_pSecLogs.reset(new CSecLogDB(CDBBase::UIThread, nullptr, &m_Messenger, m_pDir->path()));
    QVERIFY(m_pMinutes->createTable());
    QVERIFY(m_pSecLogs->createTable());
}

void tst_ImportProgressDialog::cleanup()
{
    m_pMinutes.reset();
    m_pSecLogs.reset();
    CDBBase::removeConnection(CDBBase::UIThread);
    m_pDir.reset();
}

void tst_ImportProgressDialog::readRows(int nRows)
{
    QByteArray text = "TIM;SNR;OPH\n";
    const QDateTime start(QDate(2016, 3, 5), QTime(14, 7));
    for (int i = 0; i < nRows; ++i)
        text += start.addSecs(60 * i).toString(QStringLiteral("dd.MM.yyyy HH:mm")).toLatin1() + ";5;"
            + QByteArray::number(i) + "\n";
    QBuffer buffer(&text);
    QVERIFY(buffer.open(QIODevice::ReadOnly));
    QVERIFY(m_Model.readDelimited(&buffer));
}

void tst_ImportProgressDialog::barFollowsTheRowsInVisibleSteps()
{
    readRows(5000);
    QProgressDialog dialog;
    dialog.setMaximum(m_Model.rowCount());
    QList<int> values;
    CImportProgressDialog progress(&dialog);
    CDBImportData import(&m_Messenger);
    // The dialog repaints on every value it is given; count them through the bar's signal.
    QProgressBar* pBar = dialog.findChild<QProgressBar*>();
    QVERIFY(pBar);
    connect(pBar, &QProgressBar::valueChanged, this, [&values](int nValue) { values << nValue; });
    QVERIFY(import.importData(m_Model, QModelIndex(), &dialog));
    QVERIFY(m_Messenger.isEmpty());
    QCOMPARE(dialog.labelText(), QStringLiteral("Writing data into database..."));
    QVERIFY2(values.size() <= 1000 + 2, qPrintable(QString::number(values.size())));
    QVERIFY(values.size() >= 1000);
    QCOMPARE(values.last(), 4999);
}

void tst_ImportProgressDialog::cancelledDialogStoresNothing()
{
    readRows(50);
    QProgressDialog dialog;
    dialog.setMaximum(m_Model.rowCount());
    dialog.cancel();
    CDBImportData import(&m_Messenger);
    QVERIFY(!import.importData(m_Model, QModelIndex(), &dialog));
    QVERIFY(m_Messenger.isEmpty());
    QSqlQuery query(m_pMinutes->database());
    QVERIFY(query.exec(QStringLiteral("SELECT count(*) FROM ValueLogs;")) && query.next());
    QCOMPARE(query.value(0).toInt(), 0);
}

QTEST_MAIN(tst_ImportProgressDialog)

#include "tst_ImportProgressDialog.moc"

#include "db/DBExport.h"

#include "FelDelimTextModel.h"

#include <QDebug>
#include <QSaveFile>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlQueryModel>
#include <QSqlRecord>

namespace {

void copyHeaders(QSqlQueryModel& queryModel, CFelDelimTextModel& textModel)
{
    const int nColumns = queryModel.columnCount();
    if (nColumns > 0)
        textModel.insertColumns(0, nColumns);
    for (int c = 0; c < nColumns; ++c)
        textModel.setHeaderData(c, Qt::Horizontal, queryModel.headerData(c, Qt::Horizontal, Qt::DisplayRole),
                                Qt::DisplayRole);
}

// Through the model itself: for a statement with bound values, which cannot
// be run again from its text.
void copyRowsFromModel(QSqlQueryModel& queryModel, CFelDelimTextModel& textModel)
{
    while (queryModel.canFetchMore())
        queryModel.fetchMore();
    const int nColumns = queryModel.columnCount();
    QStringList fields;
    for (int r = 0; r < queryModel.rowCount(); ++r) {
        fields.clear();
        for (int c = 0; c < nColumns; ++c)
            fields << queryModel.data(queryModel.index(r, c), Qt::DisplayRole).toString();
        textModel.appendRow(fields);
    }
}

// A fresh forward-only result on the model's connection: rows are read once
// and dropped, instead of being cached by the model and copied.
bool copyRowsForwardOnly(QSqlQueryModel& queryModel, CFelDelimTextModel& textModel)
{
    QSqlQuery query = queryModel.query();
    const QString strStatement = query.lastQuery();
    query.clear();
    query.setForwardOnly(true);
    if (!query.exec(strStatement)) {
        qDebug() << "CDBExport: statement failed:" << strStatement << query.lastError().text();
        return false;
    }
    const int nColumns = query.record().count();
    QStringList fields;
    while (query.next()) {
        fields.clear();
        for (int c = 0; c < nColumns; ++c)
            fields << query.value(c).toString();
        textModel.appendRow(fields);
    }
    return true;
}

} // namespace

void CDBExport::fillTextModel(QSqlQueryModel& queryModel, CFelDelimTextModel& textModel)
{
    textModel.removeRows(0, textModel.rowCount());
    textModel.removeColumns(0, textModel.columnCount());
    copyHeaders(queryModel, textModel);
    const QSqlQuery query = queryModel.query();
    if (query.lastQuery().isEmpty() || queryModel.lastError().isValid())
        return;
    if (!query.boundValues().isEmpty() || !copyRowsForwardOnly(queryModel, textModel))
        copyRowsFromModel(queryModel, textModel);
}

bool CDBExport::writeFile(CFelDelimTextModel& textModel, const QString& strFileName, QString& strError)
{
    QSaveFile file(strFileName);
    if (!file.open(QIODevice::WriteOnly)) {
        strError = file.errorString();
        return false;
    }
    if (!textModel.writeDelimited(&file)) {
        strError = textModel.errorString();
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        strError = file.errorString();
        return false;
    }
    return true;
}

bool CDBExport::exportToFile(QSqlQueryModel& queryModel, const QString& strFileName, QString& strError)
{
    CFelDelimTextModel textModel;
    fillTextModel(queryModel, textModel);
    return writeFile(textModel, strFileName, strError);
}

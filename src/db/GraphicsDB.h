#ifndef GRAPHICSDB_H
#define GRAPHICSDB_H

#include "db/DBBase.h"

#include <QSet>

// The diagrams' view of the log tables: per query one table, the time stamp
// in ISO form ("2016-03-05 14:07:00") and the columns of the chosen fields
// that the table has. Own connection "UIThread2", so the diagram's queries
// never share a connection with the log pages' models. UI thread only.
class CGraphicsDB : public CDBBase
{
    Q_OBJECT
public:
    explicit CGraphicsDB(QObject* parent = nullptr, CDBMessenger* pMessenger = nullptr,
                         const QString& strDirectory = QString());

    // The tables are made by the table objects at start-up.
    bool createTable() override;
    // The time stamp and the chosen fields.
    bool isColumnVisible(int nDataDictField) override;

    void addField(int nDataDictField);
    void removeField(int nDataDictField);
    // Fills the model from table nTableId (1, 2, 8, 16); the secondary-log
    // tables give the rows of one span (0 quarter hour, 1 day, 2 month). Any
    // other id leaves the model as it was. nSerialNr negative: all units.
    void setupModel(QSqlQueryModel& model, int nSerialNr, int nTableId, int span);

private:
    QSet<int> m_fields;
};

#endif // GRAPHICSDB_H

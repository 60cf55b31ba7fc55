#ifndef DBEXPORT_H
#define DBEXPORT_H

#include <QString>

class CFelDelimTextModel;
class QSqlQueryModel;

// The CSV export of a log page: the page's export query model (time order,
// display texts, headers "abbreviation\n[unit]") becomes the rows of a text
// model, which is written as ";"-separated "ISO 8859-1" text with a header
// row. UI thread, on the connection of the query model.
class CDBExport
{
public:
    // Replaces the text model's content with the query model's header texts
    // and the display texts of all its rows. The query model's statement is
    // run once more, forward only, so that a year of rows is not held twice.
    static void fillTextModel(QSqlQueryModel& queryModel, CFelDelimTextModel& textModel);
    // Writes the text model with header row; an existing file is replaced
    // only when all of it was written. strError says why it failed.
    static bool writeFile(CFelDelimTextModel& textModel, const QString& strFileName, QString& strError);
    // Both steps.
    static bool exportToFile(QSqlQueryModel& queryModel, const QString& strFileName, QString& strError);
};

#endif // DBEXPORT_H

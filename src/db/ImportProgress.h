#ifndef IMPORTPROGRESS_H
#define IMPORTPROGRESS_H

#include <QString>

// What the CSV import tells about its progress and how it learns that the
// user wants to stop. The program hands in its progress dialog through
// CImportProgressDialog; tests and tools implement it directly.
class CImportProgress
{
public:
    virtual ~CImportProgress() = default;

    virtual void setLabelText(const QString& strText) = 0;
    // nValue is the data row just written (0-based).
    virtual void setValue(int nValue) = 0;
    virtual bool wasCanceled() const = 0;
};

#endif // IMPORTPROGRESS_H

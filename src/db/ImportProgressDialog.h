#ifndef IMPORTPROGRESSDIALOG_H
#define IMPORTPROGRESSDIALOG_H

#include "db/ImportProgress.h"

class QProgressDialog;

// Import progress shown in the main window's progress dialog (not owned).
// The dialog repaints and polls its cancel button only when its value moves
// a visible step, so a year of minute rows is not slowed down by half a
// million repaints.
class CImportProgressDialog : public CImportProgress
{
public:
    explicit CImportProgressDialog(QProgressDialog* pDialog);

    void setLabelText(const QString& strText) override;
    void setValue(int nValue) override;
    bool wasCanceled() const override;

private:
    QProgressDialog* m_pDialog;
    int m_nLastShown = -1;
};

#endif // IMPORTPROGRESSDIALOG_H

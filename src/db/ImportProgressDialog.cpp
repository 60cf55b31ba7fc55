#include "db/ImportProgressDialog.h"

#include <QProgressDialog>

namespace {
// Steps of the bar that are worth a repaint.
const int VisibleSteps = 1000;
}

CImportProgressDialog::CImportProgressDialog(QProgressDialog* pDialog)
    : m_pDialog(pDialog)
{
}

void CImportProgressDialog::setLabelText(const QString& strText)
{
    if (m_pDialog)
        m_pDialog->setLabelText(strText);
}

void CImportProgressDialog::setValue(int nValue)
{
    if (!m_pDialog)
        return;
    const int nRange = qMax(1, m_pDialog->maximum() - m_pDialog->minimum());
    const int nStep = qMax(1, nRange / VisibleSteps);
    if (m_nLastShown >= 0 && nValue - m_nLastShown < nStep && nValue < m_pDialog->maximum() - 1)
        return;
    m_nLastShown = nValue;
    m_pDialog->setValue(nValue);
}

bool CImportProgressDialog::wasCanceled() const
{
    return m_pDialog && m_pDialog->wasCanceled();
}

#include "DebugCapture.h"

#include <QtGlobal>

namespace {

QStringList* g_pLines = nullptr;
QtMessageHandler g_previous = nullptr;

void Collect(QtMsgType, const QMessageLogContext&, const QString& message)
{
    if (g_pLines)
        g_pLines->append(message);
}

} // namespace

CDebugCapture::CDebugCapture()
{
    g_pLines = &m_lines;
    g_previous = qInstallMessageHandler(Collect);
}

CDebugCapture::~CDebugCapture()
{
    qInstallMessageHandler(g_previous);
    g_pLines = nullptr;
}

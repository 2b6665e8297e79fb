#include "dockfakes.h"

#include "host/easypluginwidget.h"

#include <QAction>

#include <cstring>

namespace kelvra::test {

DockHostWindow::DockHostWindow(bool with_explorer)
{
    act_plot_aspect = new QAction(QStringLiteral("aspect"), this);
    act_bkgd_color = new QAction(QStringLiteral("background"), this);
    canvas_export_action = new QAction(QStringLiteral("export"), this);
    if (with_explorer) {
        data_explorer = new DataExplorer(this);
        data_explorer->tree = new DataExplorerTree(data_explorer);
        explorer_tree = new FakeExplorerTree(data_explorer->tree);
        data_explorer->tree->base = explorer_tree;
    }
}

void DockHostWindow::add_dockwidget(EasyPluginWidget *plugin)
{
    FakeMainWindow::add_dockwidget(plugin);
    plugin->create_dockwidget();
}

namespace {
LogCapture *g_capture = nullptr;
}

LogCapture::LogCapture(const char *category)
    : m_category(category)
{
    g_capture = this;
    m_previous = qInstallMessageHandler(&LogCapture::handler);
}

LogCapture::~LogCapture()
{
    qInstallMessageHandler(m_previous);
    g_capture = nullptr;
}

void LogCapture::handler(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (g_capture && context.category && std::strcmp(context.category, g_capture->m_category) == 0)
        g_capture->lines << text;
    else if (g_capture && g_capture->m_previous)
        g_capture->m_previous(type, context, text);
}

} // namespace kelvra::test

#include "aboutwindow.h"

#include "board/boardwidgets.h"
#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/platform.h"
#include "widgets/layout.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QUrl>
#include <functional>

namespace kirveno {
namespace {

// The web address: underlined, and bold too while the mouse is over it.
class WebLink : public QLabel
{
public:
    WebLink(const QString &address, std::function<void()> open)
        : QLabel(address)
        , m_open(std::move(open))
    {
        setCursor(Qt::PointingHandCursor);
        setForeground(QPalette::Link);
        setLook(false);
    }

protected:
    void enterEvent(QEnterEvent *) override { setLook(true); }
    void leaveEvent(QEvent *) override { setLook(false); }
    void mouseReleaseEvent(QMouseEvent *event) override
    {
        if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
            m_open();
    }

private:
    void setForeground(QPalette::ColorRole role)
    {
        QPalette colours = palette();
        colours.setColor(QPalette::WindowText, colours.color(role));
        setPalette(colours);
    }
    void setLook(bool hovered)
    {
        QFont look = font();
        look.setUnderline(true);
        look.setBold(hovered);
        setFont(look);
    }

    std::function<void()> m_open;
};

// Bytes / 1024 / 1000 with three decimals and a decimal comma, counted in whole thousandths
// so that no floating point can round it differently: 536870912 bytes give "524,288".
QString megabytes(quint64 bytes)
{
    const quint64 thousandths = (bytes + 512) / 1024;
    return QStringLiteral("%1,%2")
        .arg(thousandths / 1000)
        .arg(thousandths % 1000, 3, 10, QLatin1Char('0'));
}

} // namespace

AboutWindow::AboutWindow(ProgramState &state, BoardWindow *board)
    : QDialog(board, Qt::Dialog | Qt::FramelessWindowHint)
    , m_state(state)
    , m_version(
          new QLabel(state.text(u"000059") + QLatin1Char(' ') + QLatin1String(programVersion)))
    , m_link(new WebLink(QLatin1String(makersWebSite),
                         [&state] { state.platform->openUrl(QUrl(QLatin1String(makersWebSite))); }))
    , m_system(new QLabel)
    , m_memory(new QLabel)
    , m_ok(new QPushButton(state.text(u"000018")))
{
    setWindowTitle(state.text(u"000043"));
    setFixedSize(641, 257);
    // A long kernel version goes on to a second line rather than off the window.
    m_system->setWordWrap(true);

    auto *picture = new QLabel;
    picture->setPixmap(kirveno::picture(QStringLiteral("about")));
    picture->setFrameShape(QFrame::Panel);
    picture->setFrameShadow(QFrame::Sunken);
    auto *pictureColumn = new QVBoxLayout;
    pictureColumn->addWidget(picture);
    pictureColumn->addWidget(boldLabel(state.text(u"000060")), 0, Qt::AlignHCenter);
    pictureColumn->addStretch();

    auto *product = new QLabel(QLatin1String(programName));
    QFont large = product->font();
    large.setPointSize(26);
    large.setBold(true);
    product->setFont(large);
    auto *separator = new QFrame;
    separator->setFrameShape(QFrame::HLine);
    separator->setFrameShadow(QFrame::Sunken);
    auto *okRow = new QHBoxLayout;
    okRow->addStretch();
    okRow->addWidget(m_ok);
    auto *textColumn = new QVBoxLayout;
    textColumn->setSpacing(4);
    textColumn->addWidget(product);
    textColumn->addWidget(m_version);
    textColumn->addWidget(new QLabel(state.text(u"000060")));
    textColumn->addWidget(m_link);
    textColumn->addStretch();
    textColumn->addWidget(separator);
    textColumn->addWidget(m_system);
    textColumn->addWidget(m_memory);
    textColumn->addLayout(okRow);

    // Borderless, the window draws its own edge.
    auto *frame = new QFrame;
    frame->setFrameShape(QFrame::Panel);
    frame->setFrameShadow(QFrame::Raised);
    frame->setLineWidth(2);
    auto *columns = new QHBoxLayout(frame);
    columns->setSpacing(16);
    columns->addLayout(pictureColumn);
    columns->addLayout(textColumn, 1);
    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(frame);

    m_ok->setDefault(true);
    connect(m_ok, &QPushButton::clicked, this, &QDialog::accept);
}

void AboutWindow::ask()
{
    m_system->setText(m_state.text(u"000061") + QStringLiteral(" : ")
                      + m_state.platform->operatingSystem());
    m_memory->setText(m_state.text(u"000062") + QStringLiteral("     :    ")
                      + megabytes(m_state.platform->totalPhysicalMemory()) + QStringLiteral(" MB"));
    m_ok->setFocus();
    exec();
}

void AboutWindow::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    centreOnScreen(*this);
}

} // namespace kirveno

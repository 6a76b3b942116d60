#include "optionsdialog.h"

#include "board/boardwindow.h"
#include "board/programstate.h"
#include "platform/platform.h"
#include "storage/datafileerror.h"
#include "widgets/arrowfield.h"
#include "widgets/layout.h"
#include "widgets/storedtextfield.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>

namespace kirveno {
namespace {

constexpr int nameLength = 15;
constexpr int fewestTables = 6; // the board never shows fewer rows
constexpr int editedLineCount = SettingsLine::Sound + 1;

// Down from 00 gives 99, up from 99 gives 00.
ArrowField *moneyArrows()
{
    return new ArrowField(0, 99, ArrowField::Ends::Wrap);
}

// Always the five-character form, 00,00 included.
QString amountOf(const ArrowField *whole, const ArrowField *hundredths)
{
    return whole->text() + QLatin1Char(',') + hundredths->text();
}

QString soundLine(bool on)
{
    return on ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

OptionsDialog::OptionsDialog(ProgramState &state, BoardWindow &board)
    : FormDialog(state, &board, u"000037")
    , m_board(board)
    , m_name(new StoredTextField(nameLength, state))
    , m_tables(new ArrowField(fewestTables, tableSlots, ArrowField::Ends::Stop))
    , m_priceWhole(moneyArrows())
    , m_priceHundredths(moneyArrows())
    , m_minimumWhole(moneyArrows())
    , m_minimumHundredths(moneyArrows())
    , m_sound(new QCheckBox)
    , m_soundPicture(new QLabel)
{
    m_tables->showPlainNumbers();
    m_name->setFixedWidth(150);
    auto *sound = new QWidget;
    auto *soundRow = new QHBoxLayout(sound);
    soundRow->setContentsMargins(0, 0, 0, 0);
    soundRow->addWidget(m_sound);
    soundRow->addWidget(m_soundPicture);
    connect(m_sound, &QCheckBox::toggled, this, &OptionsDialog::showSoundPicture);
    showSoundPicture(false);

    const QString colon = QStringLiteral(": ");
    addRow(state.text(u"000051") + colon, m_name);
    addRow(state.text(u"000052") + colon, m_tables);
    addRow(state.text(u"000053") + colon, pair(m_priceWhole, ",", m_priceHundredths));
    addRow(state.text(u"000054") + colon, pair(m_minimumWhole, ",", m_minimumHundredths));
    addRow(state.text(u"000055") + colon, sound);
}

void OptionsDialog::ask()
{
    try {
        // Every showing starts from the file, so a cancelled edit leaves no trace.
        const SettingsFile settings = SettingsFile::load(m_state.path(settingsFileName));
        m_shownLines = settings.lines().mid(0, editedLineCount);
        m_name->setText(settings.businessName());
        m_tables->setValue(settings.tableCount());
        showAmount(settings.line(SettingsLine::HourlyPrice), *m_priceWhole, *m_priceHundredths);
        showAmount(settings.line(SettingsLine::MinimumCharge), *m_minimumWhole,
                   *m_minimumHundredths);
        m_sound->setChecked(settings.line(SettingsLine::Sound).trimmed().toInt() == 1);
    } catch (const DataFileError &error) {
        m_state.platform->showError(&m_board, m_state.message(error));
        return;
    }
    m_name->setFocus();
    exec();
}

QStringList OptionsDialog::editedLines() const
{
    return {m_name->text(), QString::number(m_tables->value()),
            amountOf(m_priceWhole, m_priceHundredths),
            amountOf(m_minimumWhole, m_minimumHundredths), soundLine(m_sound->isChecked())};
}

void OptionsDialog::accept()
{
    const QStringList edited = editedLines();
    if (edited == m_shownLines) {
        QDialog::accept();
        return;
    }
    if (!m_state.platform->ask(this, m_state.text(u"000145"), m_state.text(u"000146"),
                               QuestionIcon::Question)) {
        QDialog::reject();
        return;
    }
    if (!m_state.changeSettingsFile(this, [&](SettingsFile &settings) {
            for (int line = 0; line < editedLineCount; ++line)
                settings.setLine(line, edited[line]);
        }))
        return;
    QDialog::accept();
    m_board.restart();
}

void OptionsDialog::showSoundPicture(bool on)
{
    m_soundPicture->setPixmap(
        picture(on ? QStringLiteral("sound-on") : QStringLiteral("sound-off")));
}

} // namespace kirveno

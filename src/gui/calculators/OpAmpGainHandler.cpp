// SPDX-License-Identifier: GPL-3.0-or-later

#include "gui/calculators/OpAmpGainHandler.h"

#include "core/calculators/OpAmpGain.h"
#include "core/drawing/CenteredTextRect.h"
#include "core/drawing/CircuitDrawings.h"
#include "core/text/NumberFormat.h"

#include <QEvent>
#include <QFontDatabase>

namespace {

// A list of parts is read across its columns; below this size digits such as 3 and 8 blur on
// the dark display, so the list loses its last lines instead of shrinking further.
constexpr double kSmallestListPointSize = 10.0;

// The leading lines of text that show whole in the field at the smallest list size; the first
// line stays even where nothing fits.
QString linesThatFit(const QString &text, const QLabel &field)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSizeF(kSmallestListPointSize);
    const QFontMetrics metrics(font);
    const QRectF room(field.contentsRect());
    QStringList lines = text.split(u'\n');
    while (lines.size() > 1) {
        const QSize needed = metrics.size(int(field.alignment()), lines.join(u'\n'));
        const QRectF textRect = zelkor::views::verticallyCenteredTextRect(room, needed.height());
        if (needed.height() <= room.height() && needed.width() <= textRect.width())
            break;
        lines.removeLast();
    }
    return lines.join(u'\n');
}

} // namespace

OpAmpGainHandler::OpAmpGainHandler(QWidget *panel) : QObject(panel)
{
    ui.setupUi(panel);
    ui.opAmpCircuitSegControl->setId(ui.nonInvertingButton, kNonInverting);
    ui.opAmpCircuitSegControl->setId(ui.invertingButton, kInverting);
    ui.opAmpModeSegControl->setId(ui.designButton, kDesign);
    ui.opAmpModeSegControl->setId(ui.analysisButton, kAnalysis);
    for (const zelkor::eseries::Series series : zelkor::eseries::kAllSeries)
        ui.seriesBox->addItem(zelkor::eseries::name(series));
    ui.seriesBox->setCurrentText(zelkor::eseries::name(zelkor::opamp::kDefaultSeries));

    using zelkor::opamp::Field;
    m_fields = FieldBinding(zelkor::opamp::kFields, {{Field::Circuit, ui.opAmpCircuitSegControl},
                                                     {Field::Mode, ui.opAmpModeSegControl},
                                                     {Field::Gain, ui.gainField},
                                                     {Field::Series, ui.seriesBox},
                                                     {Field::Rf, ui.rfField},
                                                     {Field::Rg, ui.rgField},
                                                     {Field::Tolerance, ui.toleranceField}});
    m_fields.connect(this, &OpAmpGainHandler::calculateGain);
    // The display's size is known only once the panel is laid out.
    ui.outputField->installEventFilter(this);
    calculateGain();
}

void OpAmpGainHandler::calculateGain()
{
    using namespace zelkor::opamp;
    const int mode = ui.opAmpModeSegControl->checkedId();
    ui.opAmpModeTabView->setCurrentIndex(mode);
    Texts texts{.circuit = ui.opAmpCircuitSegControl->checkedId() == kInverting
                               ? Circuit::Inverting
                               : Circuit::NonInverting,
                .mode = mode == kAnalysis ? Mode::Analysis : Mode::Design,
                .tolerance = ui.toleranceField->text()};
    // An empty tolerance field stands for its default, which the field shows in grey.
    ui.toleranceField->setPlaceholderText(
        zelkor::formatShortest(float(zelkor::tolerance::resistorPercent(
            mode == kAnalysis ? std::nullopt : std::optional(ui.seriesBox->currentText())))));
    if (mode == kAnalysis) {
        texts.rf = ui.rfField->text();
        texts.rg = ui.rgField->text();
    } else {
        texts.gain = ui.gainField->text();
        texts.series = ui.seriesBox->currentText();
    }
    const auto result = calculate(texts, zelkor::Reading::Lenient);
    m_result = result ? zelkor::opamp::resultText(*result) : problemText(result.problem());
    // The design's best pair, which the display lists first; names alone without a result.
    zelkor::views::AmplifierCircuit drawn;
    drawn.circuit = *texts.circuit;
    if (result && !result->amplifiers.empty()) {
        drawn.rf = result->amplifiers.front().rf;
        drawn.rg = result->amplifiers.front().rg;
    }
    ui.drawingView->setPlan(zelkor::views::opAmpGainDrawing(drawn));
    showResult();
}

void OpAmpGainHandler::showResult()
{
    ui.outputField->setText(linesThatFit(m_result, *ui.outputField));
}

bool OpAmpGainHandler::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == ui.outputField && event->type() == QEvent::Resize)
        showResult();
    return QObject::eventFilter(watched, event);
}

QString OpAmpGainHandler::resultText() const
{
    return m_result;
}

void OpAmpGainHandler::recalculate()
{
    calculateGain();
}

QVariantMap OpAmpGainHandler::saveState() const
{
    return m_fields.save();
}

void OpAmpGainHandler::restoreState(const QVariantMap &state)
{
    m_fields.restore(state);
}

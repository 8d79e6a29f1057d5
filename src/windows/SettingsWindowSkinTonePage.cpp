// The skin tone page of the settings window: six swatches that set the default skin tone.
#include <QLabel>
#include <QPointer>

#include "catalogue/SkinToneSettings.h"
#include "ui/Frame.h"
#include "ui/WindowLook.h"
#include "windows/SettingsWindow.h"
#include "windows/SkinToneSwatchView.h"

namespace {

constexpr int swatchSize = 44;
constexpr int swatchSpacing = 12;
constexpr int swatchCount = static_cast<int>(SkinTone::allCases.size());
constexpr int swatchRowWidth = swatchCount * swatchSize + (swatchCount - 1) * swatchSpacing;

QString displayNameOf(SkinTone tone) {
    const std::string_view name = tone.displayName();
    return QString::fromUtf8(name.data(), static_cast<qsizetype>(name.size()));
}

}  // namespace

QString SettingsWindow::handGlyph(SkinTone tone) {
    QString glyph = QString::fromUcs4(U"\u270B", 1);
    if (const auto modifier = tone.modifier()) {
        glyph += QString::fromUcs4(&*modifier, 1);
    }
    return glyph;
}

QWidget* SettingsWindow::buildSkinToneView() {
    QWidget* page = makePage();
    page->setObjectName("skinTonePage");
    const int width = page->width();

    auto* heading = makeLabel(QStringLiteral("Default Skin Tone"), systemFont(15, QFont::Bold),
                              Qt::AlignLeft, page);
    heading->setObjectName("heading");
    place(*heading, Frame{24, 244, width - 48, 20});

    auto* description =
        makeWrappingLabel(QStringLiteral("Applied automatically to every emoji that supports one."),
                          systemFont(12), Qt::AlignLeft, page);
    description->setObjectName("description");
    placeWrapping(*description, Frame{24, 218, width - 48, 18});
    addSecondaryText(*description);

    const SkinTone selected = SkinToneSettings::saved().value_or(SkinTone::none);
    toneSwatches_.clear();
    // Half a point short of centred when the spare width is odd: frames are whole points.
    int x = (width - swatchRowWidth) / 2;
    QPointer<SettingsWindow> window(this);
    for (const SkinTone tone : SkinTone::allCases) {
        auto* swatch = new SkinToneSwatchView(tone, handGlyph(tone),
                                              Frame{x, 158, swatchSize, swatchSize}, page);
        swatch->isSelected = tone == selected;
        swatch->updateAppearance();
        swatch->onSelect = [window](SkinTone chosen) {
            if (window) {
                window->selectTone(chosen);
            }
        };
        toneSwatches_.push_back(swatch);
        x += swatchSize + swatchSpacing;
    }

    toneSelectionLabel_ =
        makeLabel(displayNameOf(selected), systemFont(12), Qt::AlignHCenter, page);
    toneSelectionLabel_->setObjectName("toneSelection");
    place(*toneSelectionLabel_, Frame{24, 128, width - 48, 16});
    addSecondaryText(*toneSelectionLabel_);
    return page;
}

void SettingsWindow::selectTone(SkinTone tone) {
    SkinToneSettings::save(tone);
    toneSelectionLabel_->setText(displayNameOf(tone));
    for (SkinToneSwatchView* swatch : toneSwatches_) {
        swatch->isSelected = swatch->tone() == tone;
        swatch->updateAppearance();
    }
}

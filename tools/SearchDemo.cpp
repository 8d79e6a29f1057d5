// zembril-search: shows the picker's grid as text, from the real catalogue and the user's own
// preferences (recents, default skin tone), so search can be tried before the picker exists.
//
//   zembril-search            the grid with an empty query: recents, then every category
//   zembril-search QUERY...   the grid for the words given, joined by spaces
#include <QCoreApplication>

#include <cstdio>
#include <string>

#include "catalogue/EmojiDataStore.h"
#include "catalogue/EmojiGrid.h"
#include "catalogue/SkinToneSettings.h"
#include "platform/linux/LinuxPlatform.h"
#include "prefs/StoredPreferences.h"

namespace {

std::string queryFrom(int argc, char** argv) {
    std::string query;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) {
            query += ' ';
        }
        query += argv[i];
    }
    return query;
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    platform::LinuxPlatform platform;

    const auto& catalogue = EmojiDataStore::entries();
    const std::string query = queryFrom(argc, argv);
    const auto sections = EmojiGrid::sections(query, prefs::recentEmoji(), catalogue);
    const SkinTone tone = SkinToneSettings::saved().value_or(SkinTone::none);

    std::printf("%zu emoji in the catalogue; query \"%s\"; default skin tone: %s\n\n",
                catalogue.size(), query.c_str(), std::string(tone.displayName()).c_str());
    if (sections.empty()) {
        std::printf("No emoji found\n");
    }
    for (const auto& section : sections) {
        std::printf("%s (%zu)\n", section.title.c_str(), section.entries.size());
        for (const auto& entry : section.entries) {
            std::printf("  %s  %s\n", entry.glyph(tone).c_str(), entry.name().c_str());
        }
    }
    return 0;
}

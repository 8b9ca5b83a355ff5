// The demo catalogue: several dozen tracks, each in three versions.
#include "../../platform/cp1251.h"
#include "demo_service.h"

namespace {

struct Entry {
    const char* performer;
    const char* title;
    int seconds;
};

const Entry BaseTracks[] = {
    {"Depeche Mode", "Enjoy The Silence", 372},    {"Depeche Mode", "Personal Jesus", 296},
    {"Depeche Mode", "Policy Of Truth", 293},      {"Depeche Mode", "Precious", 250},
    {"Depeche Mode", "Never Let Me Down Again", 287}, {"Pet Shop Boys", "West End Girls", 281},
    {"New Order", "Blue Monday", 449},             {"The Cure", "Lullaby", 248},
    {"The Cure", "Just Like Heaven", 212},         {"Kraftwerk", "The Model", 218},
    {"Yazoo", "Don't Go", 185},                    {"Erasure", "A Little Respect", 214},
    {"Tears For Fears", "Shout", 393},             {"a-ha", "Take On Me", 225},
    {"Queen", "Don't Stop Me Now", 209},           {"Queen", "\"Bohemian Rhapsody\"", 355},
    {"Moby", "Porcelain", 241},                    {"Massive Attack", "Teardrop", 330},
    {"Portishead", "Glory Box", 306},              {"Daft Punk", "One More Time!", 320},
    {"Röyksopp", "Eple", 221},                     {"Air", "Sexy Boy", 298},
    {"Radiohead", "Karma Police", 264},            {"Muse", "Starlight", 240},
    {"Coldplay", "Clocks", 307},                   {"Gorillaz", "Feel Good Inc.", 222},
    {"Кино", "Группа крови", 286},                 {"Кино", "Звезда по имени Солнце", 225},
    {"Кино", "Кукушка", 396},                      {"Аквариум", "Город золотой", 190},
    {"ДДТ", "Что такое осень", 297},               {"Земфира", "Искала", 230},
    {"Сплин", "Выхода нет", 241},                  {"Мумий Тролль", "Владивосток 2000", 150},
    {"Би-2", "Полковнику никто не пишет", 273},    {"Ария", "Беспечный ангел", 260},
    {"Наутилус Помпилиус", "Прогулки по воде", 279}, {"Алла Пугачёва", "«Миллион алых роз»", 270},
    {"Ленинград", "WWW", 183},                     {"Ночные Снайперы", "31-я весна", 265},
    {"Сектор Газа", "Лирика", 244},                {"Чайф", "Аргентина – Ямайка 5:0", 236},
    {"Агата Кристи", "Как на войне", 207},         {"Машина Времени", "Поворот…", 301},
    {"Сурганова и Оркестр", "Мураками", 249},
};

} // namespace

const std::vector<DemoTrack>& DemoCatalogue() {
    static const std::vector<DemoTrack> catalogue = [] {
        std::vector<DemoTrack> tracks;
        const char* versions[] = {"", " (Remix)", " (Live)"};
        int index = 0;
        for (const char* version : versions)
            for (const Entry& entry : BaseTracks) {
                DemoTrack track;
                track.performer = Cp1251FromUtf8(entry.performer);
                track.title = Cp1251FromUtf8(std::string(entry.title) + version);
                track.seconds = entry.seconds + (*version ? 17 : 0);
                track.server = 50 + index % 20;
                track.user = 600 + index * 7;
                track.file = "t" + std::to_string(index) + "x" + std::to_string(1000 + index * 37 % 900);
                tracks.push_back(track);
                ++index;
            }
        return tracks;
    }();
    return catalogue;
}

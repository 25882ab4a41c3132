#include "components/StandardIcons.h"

#include <QObject>

#include <climits>
#include <map>
#include <utility>

namespace orv {

QIcon StandardIcon(const QStyle* style, QStyle::StandardPixmap which)
{
    static std::map<std::pair<const QStyle*, int>, QIcon> icons;
    const auto key = std::make_pair(style, static_cast<int>(which));
    if (auto found = icons.find(key); found != icons.end()) return found->second;
    // The first icon of a style: its icons go with it, so that another
    // style made at its address never gets them.
    const bool known = icons.lower_bound({style, INT_MIN}) != icons.upper_bound({style, INT_MAX});
    if (!known) {
        QObject::connect(style, &QObject::destroyed, [style] {
            icons.erase(icons.lower_bound({style, INT_MIN}), icons.upper_bound({style, INT_MAX}));
        });
    }
    return icons.emplace(key, style->standardIcon(which)).first->second;
}

} // namespace orv

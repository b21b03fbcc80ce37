#pragma once

#include <QString>

namespace demo {

// How often a veterinary antibiotic moves; General for every other article.
enum class Activity { General, NeverInYear, BalancedInYear, Rare, Regular, Frequent };

struct DemoArticle {
    QString code;
    QString description;
    double pvp = 0;
    double cost = 0;
    int iva = 21;
    int stock = 0;
    int minimumStock = 0;
    int laboratory = 0;
    bool veterinary = false;
    QString createdAt;
    Activity activity = Activity::General;
};

}  // namespace demo

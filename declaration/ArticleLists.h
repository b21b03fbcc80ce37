#pragma once

#include <QDate>
#include <QString>

namespace fw::db {
class TCQuery;
}

namespace quorvial {

// Stores the products a query shows as an article list of the pharmacy product, replacing a
// list of the same name.
class ArticleLists {
public:
    static QString ProposedName(int year, const QDate& today);

    // Both show their own failure and return normally; true when the list was created.
    static bool CreateArticleList(const QString& name, fw::db::TCQuery& query);
    static void DeleteArticleList(const QString& name);
};

}  // namespace quorvial

#include "framework/db/SpanishCollation.h"

#include <sqlite3.h>

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QVariant>
#include <array>

namespace fw::db {

namespace {

// Primary weight of a character: equal for letters that differ only in case or accent.
// Secondary weight: 0 for the plain letter, 1 + its code for any accented or other-case form
// that must still sort after it when everything else is equal.
struct Weight {
    char32_t primary;
    char32_t secondary;
};

constexpr char32_t kLetterBase = 0x10000;

Weight weightOf(char32_t c) {
    if (c < 128) {
        if (c >= 'A' && c <= 'Z')
            c = c - 'A' + 'a';
        if (c >= 'a' && c <= 'z') {
            // Letters after every digit and sign; room left after n for ñ.
            char32_t rank = (c - 'a') * 2;
            return {kLetterBase + rank, 0};
        }
        return {c, 0};
    }
    const QChar ch = c <= 0xFFFF ? QChar(char16_t(c)) : QChar();
    if (c == U'ñ' || c == U'Ñ')
        return {kLetterBase + ('n' - 'a') * 2 + 1, 0};
    if (c <= 0xFFFF && ch.isLetter()) {
        const QString decomposed = ch.decomposition();
        QChar base = decomposed.isEmpty() ? ch : decomposed.at(0);
        const char16_t lower = base.toLower().unicode();
        if (lower >= 'a' && lower <= 'z')
            return {kLetterBase + (lower - 'a') * 2, 1 + c};
        return {kLetterBase + 0x100 + QChar(char16_t(c)).toLower().unicode(), 0};
    }
    return {c, 0};
}

std::array<Weight, 256> makeLatinTable() {
    std::array<Weight, 256> table{};
    for (char32_t c = 0; c < 256; ++c)
        table[c] = weightOf(c);
    return table;
}

const std::array<Weight, 256>& latinTable() {
    static const auto table = makeLatinTable();
    return table;
}

inline Weight lookup(char32_t c) {
    return c < 256 ? latinTable()[c] : weightOf(c);
}

// Walks a text one code point at a time, from UTF-16 or UTF-8.
class Utf16Reader {
public:
    explicit Utf16Reader(QStringView text) : m_text(text) {}
    bool atEnd() const { return m_pos >= m_text.size(); }
    char32_t next() {
        const QChar c = m_text[m_pos++];
        if (c.isHighSurrogate() && m_pos < m_text.size() && m_text[m_pos].isLowSurrogate())
            return QChar::surrogateToUcs4(c, m_text[m_pos++]);
        return c.unicode();
    }

private:
    QStringView m_text;
    qsizetype m_pos = 0;
};

class Utf8Reader {
public:
    Utf8Reader(const char* text, int bytes)
        : m_text(reinterpret_cast<const unsigned char*>(text)), m_end(m_text + bytes) {}
    bool atEnd() const { return m_text >= m_end; }
    char32_t next() {
        const unsigned char lead = *m_text++;
        if (lead < 0x80)
            return lead;
        int extra = lead >= 0xF0 ? 3 : lead >= 0xE0 ? 2 : lead >= 0xC0 ? 1 : 0;
        char32_t c = lead & (0x3F >> extra);
        while (extra-- > 0 && m_text < m_end && (*m_text & 0xC0) == 0x80)
            c = (c << 6) | (*m_text++ & 0x3F);
        return c;
    }

private:
    const unsigned char* m_text;
    const unsigned char* m_end;
};

template <typename Reader>
int compareWith(Reader left, Reader right) {
    int secondary = 0;
    while (!left.atEnd() && !right.atEnd()) {
        const Weight a = lookup(left.next());
        const Weight b = lookup(right.next());
        if (a.primary != b.primary)
            return a.primary < b.primary ? -1 : 1;
        if (secondary == 0 && a.secondary != b.secondary)
            secondary = a.secondary < b.secondary ? -1 : 1;
    }
    if (!left.atEnd())
        return 1;
    if (!right.atEnd())
        return -1;
    return secondary;
}

int sqliteCompare(void*, int leftBytes, const void* left, int rightBytes, const void* right) {
    return SpanishCollation::compareUtf8(static_cast<const char*>(left), leftBytes,
                                         static_cast<const char*>(right), rightBytes);
}

}  // namespace

int SpanishCollation::compare(QStringView left, QStringView right) {
    return compareWith(Utf16Reader(left), Utf16Reader(right));
}

int SpanishCollation::compareUtf8(const char* left, int leftBytes, const char* right,
                                  int rightBytes) {
    return compareWith(Utf8Reader(left, leftBytes), Utf8Reader(right, rightBytes));
}

bool SpanishCollation::install(sqlite3* handle) {
    if (!handle)
        return false;
    return sqlite3_create_collation_v2(handle, name, SQLITE_UTF8, nullptr, &sqliteCompare,
                                       nullptr) == SQLITE_OK;
}

bool SpanishCollation::install(const QSqlDatabase& database) {
    const QVariant handle = database.driver() ? database.driver()->handle() : QVariant();
    if (!handle.isValid() || qstrcmp(handle.typeName(), "sqlite3*") != 0)
        return false;
    return install(*static_cast<sqlite3* const*>(handle.constData()));
}

}  // namespace fw::db

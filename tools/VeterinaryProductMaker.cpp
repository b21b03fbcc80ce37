#include "tools/VeterinaryProductMaker.h"

#include <vector>

#include "tools/DemoVocabulary.h"

namespace demo {

namespace {

// Official names stay within about sixty characters; longer ones drop the species.
constexpr qsizetype kNameLength = 62;

QString sentenceCase(const QString& text) {
    QString result = text.toLower();
    if (!result.isEmpty())
        result[0] = result[0].toUpper();
    return result;
}

QString firstWord(const QString& text) {
    const qsizetype blank = text.indexOf(QLatin1Char(' '));
    return blank < 0 ? text : text.left(blank);
}

// The list's columns cut longer texts; only now and then does a text exceed its column.
QString mostlyFitting(DemoRandom& random, std::span<const QString> texts, qsizetype width) {
    for (;;) {
        const QString& text = random.pick(texts);
        if (text.size() <= width || random.chance(0.2))
            return text;
    }
}

QString registrationNumber(DemoRandom& random) {
    const double kind = random.unit();
    if (kind < 0.06) {
        // Central registrations are longer than the list's column.
        return QStringLiteral("EU/2/%1/%2/%3")
            .arg(random.between(0, 24), 2, 10, QLatin1Char('0'))
            .arg(random.between(1, 299), 3, 10, QLatin1Char('0'))
            .arg(random.between(1, 20), 3, 10, QLatin1Char('0'));
    }
    const int digits = kind < 0.25 ? random.between(10000, 99999) : random.between(1000, 9999);
    return QStringLiteral("%1 ESP").arg(digits);
}

}  // namespace

bool VeterinaryProductMaker::resembles(const QString& nombre, const QString& description) {
    if (nombre.isEmpty() || description.isEmpty())
        return false;
    const QString word = firstWord(nombre);
    return !word.isEmpty() && description.contains(word, Qt::CaseSensitive);
}

MadeProduct VeterinaryProductMaker::make(ListMatch match) {
    const auto presentations = DemoVocabulary::presentations();
    const auto laboratories = DemoVocabulary::laboratories();
    for (;;) {
        const Presentation& presentation = m_random.pick(presentations);
        const AntibioticSubstance& substance =
            DemoVocabulary::substances()[size_t(presentation.substance)];
        const DosageForm& form = DemoVocabulary::forms()[size_t(presentation.form)];
        const Species& species = m_random.pick(DemoVocabulary::species(form.species));
        int laboratory = 0;
        do {
            laboratory = int(m_random.below(laboratories.size()));
        } while (laboratories[size_t(laboratory)].name.size() > 50 && !m_random.chance(0.2));

        std::vector<QString> classics;
        for (const auto& [brand, substanceIndex] : DemoVocabulary::classicBrands()) {
            if (substanceIndex == presentation.substance)
                classics.push_back(brand);
        }
        const double naming = m_random.unit();
        const bool generic = naming >= 0.7;
        QString lead;
        if (generic) {
            lead =
                substance.name + QLatin1Char(' ') + laboratories[size_t(laboratory)].inProductName;
        } else if (naming < 0.12 && !classics.empty()) {
            lead = m_random.pick(std::span<const QString>(classics));
        } else {
            lead = substance.stem + m_random.pick(DemoVocabulary::brandSuffixes());
        }

        const QString core =
            lead + QLatin1Char(' ') + presentation.strength + QLatin1Char(' ') + form.inName;
        QString nombre = core + QLatin1Char(' ') + species.inName;
        if (nombre.size() > kNameLength)
            nombre = core;
        if (nombre.size() > kNameLength || m_names.contains(nombre))
            continue;

        const QString pack = m_random.pick(form.packs);
        QString similar = lead + QLatin1Char(' ') + presentation.strength + QLatin1Char(' ') + pack;
        if (similar.size() + species.inDescription.size() < 60)
            similar += QLatin1Char(' ') + species.inDescription;

        MadeProduct made;
        EsvacProduct& entry = made.entry;
        entry.nombre = nombre;
        entry.match = match;
        if (match == ListMatch::Similar) {
            made.pharmacyDescription = similar;
        } else if (match == ListMatch::Different) {
            if (m_random.chance(0.3)) {
                // The official list writes some names in small letters; the search is exact.
                entry.nombre = sentenceCase(nombre);
                made.pharmacyDescription = similar;
            } else if (generic) {
                made.pharmacyDescription =
                    substance.stem + m_random.pick(DemoVocabulary::brandSuffixes()) +
                    QLatin1Char(' ') + presentation.strength + QLatin1Char(' ') + pack;
            } else {
                made.pharmacyDescription = substance.name + QLatin1Char(' ') +
                                           presentation.strength + QLatin1Char(' ') + pack +
                                           QStringLiteral(" VET");
            }
        }
        const bool wanted =
            match == ListMatch::NotHeld ||
            resembles(entry.nombre, made.pharmacyDescription) == (match == ListMatch::Similar);
        if (!wanted)
            continue;
        m_names.insert(nombre);

        made.laboratory = laboratory;
        entry.declar = m_random.chance(0.9) ? QStringLiteral("S") : QStringLiteral("N");
        entry.numDef = registrationNumber(m_random);
        entry.laboratorio = laboratories[size_t(laboratory)].name;
        entry.forFar = form.forFar;
        entry.aForFar = form.aForFar;
        entry.dispositivo = form.device;
        entry.contenido = mostlyFitting(m_random, form.contents, 35);
        entry.material = mostlyFitting(m_random, form.materials, 35);
        entry.dosis = presentation.dosis;
        entry.unidad = presentation.unidad;
        entry.atc = substance.atc;
        return made;
    }
}

}  // namespace demo

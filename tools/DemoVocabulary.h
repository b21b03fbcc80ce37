#pragma once

#include <QString>
#include <span>
#include <utility>

namespace demo {

struct AntibioticSubstance {
    QString name;  // as the official list writes it
    QString stem;  // the start of brand names made from it
    QString atc;
};

enum class SpeciesGroup { Pets, Livestock, DairyCows };

struct DosageForm {
    QString inName;   // in the official product name
    QString forFar;   // the list's pharmaceutical form
    QString aForFar;  // and its abbreviation
    QString device;
    SpeciesGroup species;
    std::span<const QString> packs;     // pack texts of the pharmacy's descriptions
    std::span<const QString> contents;  // the list's CONTENIDO texts
    std::span<const QString> materials;
};

struct Presentation {
    int substance;
    QString strength;  // as in the product name
    QString dosis;
    QString unidad;
    int form;
};

struct Laboratory {
    QString name;
    QString inProductName;  // how generic products carry the maker in their name
};

struct Species {
    QString inName;         // "PARA PERROS PEQUEÑOS"
    QString inDescription;  // "PERROS PEQUEÑOS"
};

// The word tables of the demo: veterinary antibiotics as the official list names them, and the
// human, parapharmacy and veterinary products a pharmacy sells besides.
class DemoVocabulary {
public:
    static std::span<const AntibioticSubstance> substances();
    static std::span<const DosageForm> forms();
    static std::span<const Presentation> presentations();
    static std::span<const Laboratory> laboratories();
    static std::span<const Species> species(SpeciesGroup group);
    static std::span<const QString> brandSuffixes();
    // Brand names that do not follow the stem rule, with the substance they belong to.
    static std::span<const std::pair<QString, int>> classicBrands();

    static std::span<const QString> humanIngredients();
    static std::span<const QString> humanStrengths();
    static std::span<const QString> humanForms();
    static std::span<const QString> humanPackSizes();
    static std::span<const QString> genericMakers();
    static std::span<const QString> parapharmacyItems();
    static std::span<const QString> parapharmacyBrands();
    static std::span<const QString> veterinaryCareItems();
    static std::span<const QString> veterinaryCareBrands();
};

}  // namespace demo

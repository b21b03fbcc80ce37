#include "tools/DemoVocabulary.h"

namespace demo {

namespace {

const AntibioticSubstance kSubstances[] = {
    {QStringLiteral("AMOXICILINA"), QStringLiteral("AMOXI"), QStringLiteral("QJ01CA04")},
    {QStringLiteral("AMOXICILINA/ÁCIDO CLAVULÁNICO"), QStringLiteral("CLAVU"),
     QStringLiteral("QJ01CR02")},
    {QStringLiteral("ENROFLOXACINO"), QStringLiteral("ENRO"), QStringLiteral("QJ01MA90")},
    {QStringLiteral("MARBOFLOXACINO"), QStringLiteral("MARBO"), QStringLiteral("QJ01MA93")},
    {QStringLiteral("DOXICICLINA"), QStringLiteral("DOXI"), QStringLiteral("QJ01AA02")},
    {QStringLiteral("OXITETRACICLINA"), QStringLiteral("OXITE"), QStringLiteral("QJ01AA06")},
    {QStringLiteral("CEFALEXINA"), QStringLiteral("CEFA"), QStringLiteral("QJ01DB01")},
    {QStringLiteral("TILOSINA"), QStringLiteral("TILO"), QStringLiteral("QJ01FA90")},
    {QStringLiteral("TILMICOSINA"), QStringLiteral("TILMI"), QStringLiteral("QJ01FA91")},
    {QStringLiteral("SULFADIAZINA/TRIMETOPRIMA"), QStringLiteral("SULFA"),
     QStringLiteral("QJ01EW10")},
    {QStringLiteral("FLORFENICOL"), QStringLiteral("FLOR"), QStringLiteral("QJ01BA90")},
    {QStringLiteral("ESPIRAMICINA/METRONIDAZOL"), QStringLiteral("ESPIRA"),
     QStringLiteral("QJ01RA04")},
    {QStringLiteral("LINCOMICINA"), QStringLiteral("LINCO"), QStringLiteral("QJ01FF02")},
    {QStringLiteral("COLISTINA"), QStringLiteral("COLI"), QStringLiteral("QA07AA10")},
    {QStringLiteral("BENCILPENICILINA PROCAÍNA"), QStringLiteral("PENI"),
     QStringLiteral("QJ01CE09")},
    {QStringLiteral("CLINDAMICINA"), QStringLiteral("CLINDA"), QStringLiteral("QJ01FF01")},
    {QStringLiteral("GENTAMICINA"), QStringLiteral("GENTA"), QStringLiteral("QJ01GB03")},
    {QStringLiteral("CEFQUINOMA"), QStringLiteral("CEFQUI"), QStringLiteral("QJ51DE90")},
    {QStringLiteral("PRADOFLOXACINO"), QStringLiteral("PRADO"), QStringLiteral("QJ01MA97")},
};

const QString kTabletPacks[] = {QStringLiteral("10 COMP"), QStringLiteral("20 COMP"),
                                QStringLiteral("100 COMP"), QStringLiteral("14 COMPRIMIDOS")};
const QString kTabletContents[] = {QStringLiteral("Caja con 10 comprimidos"),
                                   QStringLiteral("Caja con 20 comprimidos"),
                                   QStringLiteral("Caja con 10 blísteres de 10 comprimidos")};
const QString kTabletMaterials[] = {QStringLiteral("Aluminio 20 µm/PVC"),
                                    QStringLiteral("PVC/PVDC/Aluminio"),
                                    QStringLiteral("Poliamida/Aluminio/PVC")};
const QString kCoatedPacks[] = {QStringLiteral("COMP REC 10"), QStringLiteral("COMP REC 20"),
                                QStringLiteral("COMP RECUB 100")};
const QString kChewablePacks[] = {QStringLiteral("10 COMP MAST"),
                                  QStringLiteral("20 COMP MAST SABOR"),
                                  QStringLiteral("100 COMP MAST")};
const QString kInjectionPacks[] = {QStringLiteral("SUSP INY 50 ML"),
                                   QStringLiteral("SUSP INY 100 ML"),
                                   QStringLiteral("SUSP INY 250 ML")};
const QString kInjectionContents[] = {
    QStringLiteral("Vial de 50 ml"), QStringLiteral("Vial de 100 ml"),
    QStringLiteral("Vial de 250 ml"), QStringLiteral("Caja con 1 vial de 100 ml")};
const QString kVialMaterials[] = {QStringLiteral("Vidrio tipo II"), QStringLiteral("Polipropileno"),
                                  QStringLiteral("Vidrio tipo I con tapón de bromobutilo")};
const QString kSolutionPacks[] = {QStringLiteral("SOL INY 50 ML"), QStringLiteral("SOL INY 100 ML"),
                                  QStringLiteral("SOL INY 250 ML")};
const QString kPowderPacks[] = {QStringLiteral("POLVO ORAL 1 KG"),
                                QStringLiteral("POLVO ORAL 5 KG"),
                                QStringLiteral("POLVO SOBRE 100 G")};
const QString kPowderContents[] = {QStringLiteral("Bolsa de 1 kg"), QStringLiteral("Bolsa de 5 kg"),
                                   QStringLiteral("Caja con 10 sobres de 100 g")};
const QString kBagMaterials[] = {QStringLiteral("Polietileno/Aluminio/PET"),
                                 QStringLiteral("Papel/Polietileno")};
const QString kDrinkingPacks[] = {QStringLiteral("SOL ORAL 1 L"), QStringLiteral("SOL ORAL 5 L")};
const QString kDrinkingContents[] = {QStringLiteral("Frasco de 1 l"),
                                     QStringLiteral("Garrafa de 5 l")};
const QString kBottleMaterials[] = {QStringLiteral("Polietileno de alta densidad"),
                                    QStringLiteral("Polipropileno")};
const QString kPremixPacks[] = {QStringLiteral("PREMEZCLA 25 KG"),
                                QStringLiteral("PREMEZCLA 5 KG")};
const QString kPremixContents[] = {QStringLiteral("Saco de 25 kg"), QStringLiteral("Saco de 5 kg")};
const QString kIntramammaryPacks[] = {QStringLiteral("INTRAMAM 24 JER"),
                                      QStringLiteral("INTRAMAM 20 JERINGAS")};
const QString kIntramammaryContents[] = {QStringLiteral("Caja con 24 jeringas de 8 g"),
                                         QStringLiteral("Caja con 20 jeringas de 10 ml")};
const QString kSyringeMaterials[] = {QStringLiteral("Polietileno de baja densidad")};
const QString kOralSuspensionPacks[] = {QStringLiteral("SUSP ORAL 15 ML"),
                                        QStringLiteral("SUSP ORAL 60 ML")};
const QString kOralSuspensionContents[] = {
    QStringLiteral("Frasco de 15 ml con jeringa dosificadora"), QStringLiteral("Frasco de 60 ml")};

const DosageForm kForms[] = {
    {QStringLiteral("COMPRIMIDOS"), QStringLiteral("Comprimido"), QStringLiteral("COMP"),
     QStringLiteral("Blíster"), SpeciesGroup::Pets, kTabletPacks, kTabletContents,
     kTabletMaterials},
    {QStringLiteral("COMPRIMIDOS RECUBIERTOS CON PELÍCULA"),
     QStringLiteral("Comprimido recubierto con película"), QStringLiteral("COMP REC"),
     QStringLiteral("Blíster"), SpeciesGroup::Pets, kCoatedPacks, kTabletContents,
     kTabletMaterials},
    {QStringLiteral("COMPRIMIDOS MASTICABLES"), QStringLiteral("Comprimido masticable"),
     QStringLiteral("COMP MAST"), QStringLiteral("Blíster"), SpeciesGroup::Pets, kChewablePacks,
     kTabletContents, kTabletMaterials},
    {QStringLiteral("SUSPENSIÓN INYECTABLE"), QStringLiteral("Suspensión inyectable"),
     QStringLiteral("SUS INY"), QStringLiteral("Vial"), SpeciesGroup::Livestock, kInjectionPacks,
     kInjectionContents, kVialMaterials},
    {QStringLiteral("SOLUCIÓN INYECTABLE"), QStringLiteral("Solución inyectable"),
     QStringLiteral("SOL INY"), QStringLiteral("Vial"), SpeciesGroup::Livestock, kSolutionPacks,
     kInjectionContents, kVialMaterials},
    {QStringLiteral("POLVO PARA ADMINISTRACIÓN EN AGUA DE BEBIDA"),
     QStringLiteral("Polvo para administración en agua de bebida"), QStringLiteral("PLV AGUA"),
     QStringLiteral("Bolsa"), SpeciesGroup::Livestock, kPowderPacks, kPowderContents,
     kBagMaterials},
    {QStringLiteral("SOLUCIÓN PARA ADMINISTRACIÓN EN AGUA DE BEBIDA"),
     QStringLiteral("Solución para administración en agua de bebida"), QStringLiteral("SOL AGUA"),
     QStringLiteral("Frasco"), SpeciesGroup::Livestock, kDrinkingPacks, kDrinkingContents,
     kBottleMaterials},
    {QStringLiteral("PREMEZCLA MEDICAMENTOSA"), QStringLiteral("Premezcla medicamentosa"),
     QStringLiteral("PREMEZCLA"), QStringLiteral("Saco"), SpeciesGroup::Livestock, kPremixPacks,
     kPremixContents, kBagMaterials},
    {QStringLiteral("SUSPENSIÓN INTRAMAMARIA"), QStringLiteral("Suspensión intramamaria"),
     QStringLiteral("SUS INTRAM"), QStringLiteral("Jeringa intram."), SpeciesGroup::DairyCows,
     kIntramammaryPacks, kIntramammaryContents, kSyringeMaterials},
    {QStringLiteral("SUSPENSIÓN ORAL"), QStringLiteral("Suspensión oral"),
     QStringLiteral("SUS ORAL"), QStringLiteral("Frasco"), SpeciesGroup::Pets, kOralSuspensionPacks,
     kOralSuspensionContents, kBottleMaterials},
};

const Presentation kPresentations[] = {
    {0, QStringLiteral("40 MG"), QStringLiteral("40 mg"), QStringLiteral("mg"), 0},
    {0, QStringLiteral("250 MG"), QStringLiteral("250 mg"), QStringLiteral("mg"), 0},
    {0, QStringLiteral("500 MG"), QStringLiteral("500 mg"), QStringLiteral("mg"), 2},
    {0, QStringLiteral("150 MG/ML"), QStringLiteral("150 mg/ml"), QStringLiteral("mg/ml"), 3},
    {0, QStringLiteral("700 MG/G"), QStringLiteral("700 mg/g"), QStringLiteral("mg/g"), 5},
    {0, QStringLiteral("100 MG/ML"), QStringLiteral("100 mg/ml"), QStringLiteral("mg/ml"), 9},
    {1, QStringLiteral("50 MG/12,5 MG"), QStringLiteral("62,5 mg"), QStringLiteral("mg"), 0},
    {1, QStringLiteral("250 MG/62,5 MG"), QStringLiteral("312,5 mg"), QStringLiteral("mg"), 1},
    {1, QStringLiteral("500 MG/125 MG"), QStringLiteral("625 mg"), QStringLiteral("mg"), 1},
    {1, QStringLiteral("140 MG/ML + 35 MG/ML"), QStringLiteral("175 mg/ml"),
     QStringLiteral("mg/ml"), 3},
    {2, QStringLiteral("15 MG"), QStringLiteral("15 mg"), QStringLiteral("mg"), 0},
    {2, QStringLiteral("50 MG"), QStringLiteral("50 mg"), QStringLiteral("mg"), 2},
    {2, QStringLiteral("150 MG"), QStringLiteral("150 mg"), QStringLiteral("mg"), 1},
    {2, QStringLiteral("100 MG/ML"), QStringLiteral("100 mg/ml"), QStringLiteral("mg/ml"), 4},
    {2, QStringLiteral("100 MG/ML"), QStringLiteral("100 mg/ml"), QStringLiteral("mg/ml"), 6},
    {3, QStringLiteral("5 MG"), QStringLiteral("5 mg"), QStringLiteral("mg"), 0},
    {3, QStringLiteral("20 MG"), QStringLiteral("20 mg"), QStringLiteral("mg"), 0},
    {3, QStringLiteral("80 MG"), QStringLiteral("80 mg"), QStringLiteral("mg"), 1},
    {3, QStringLiteral("100 MG/ML"), QStringLiteral("100 mg/ml"), QStringLiteral("mg/ml"), 4},
    {4, QStringLiteral("100 MG"), QStringLiteral("100 mg"), QStringLiteral("mg"), 0},
    {4, QStringLiteral("500 MG/G"), QStringLiteral("500 mg/g"), QStringLiteral("mg/g"), 5},
    {4, QStringLiteral("200 MG/ML"), QStringLiteral("200 mg/ml"), QStringLiteral("mg/ml"), 6},
    {5, QStringLiteral("200 MG/ML"), QStringLiteral("200 mg/ml"), QStringLiteral("mg/ml"), 4},
    {5, QStringLiteral("1000 MG/G"), QStringLiteral("1000 mg/g"), QStringLiteral("mg/g"), 5},
    {6, QStringLiteral("50 MG"), QStringLiteral("50 mg"), QStringLiteral("mg"), 0},
    {6, QStringLiteral("300 MG"), QStringLiteral("300 mg"), QStringLiteral("mg"), 1},
    {6, QStringLiteral("600 MG"), QStringLiteral("600 mg"), QStringLiteral("mg"), 1},
    {6, QStringLiteral("180 MG/ML"), QStringLiteral("180 mg/ml"), QStringLiteral("mg/ml"), 3},
    {7, QStringLiteral("200 MG/ML"), QStringLiteral("200 mg/ml"), QStringLiteral("mg/ml"), 4},
    {7, QStringLiteral("1 G/G"), QStringLiteral("1000 mg/g"), QStringLiteral("mg/g"), 5},
    {7, QStringLiteral("100 MG/G"), QStringLiteral("100 mg/g"), QStringLiteral("mg/g"), 7},
    {8, QStringLiteral("300 MG/ML"), QStringLiteral("300 mg/ml"), QStringLiteral("mg/ml"), 4},
    {8, QStringLiteral("250 MG/ML"), QStringLiteral("250 mg/ml"), QStringLiteral("mg/ml"), 6},
    {8, QStringLiteral("200 MG/G"), QStringLiteral("200 mg/g"), QStringLiteral("mg/g"), 7},
    {9, QStringLiteral("200 MG/40 MG/ML"), QStringLiteral("240 mg/ml"), QStringLiteral("mg/ml"), 4},
    {9, QStringLiteral("400 MG/80 MG"), QStringLiteral("480 mg"), QStringLiteral("mg"), 0},
    {10, QStringLiteral("300 MG/ML"), QStringLiteral("300 mg/ml"), QStringLiteral("mg/ml"), 4},
    {10, QStringLiteral("23 MG/ML"), QStringLiteral("23 mg/ml"), QStringLiteral("mg/ml"), 6},
    {11, QStringLiteral("750.000 UI/125 MG"), QStringLiteral("750.000 UI"), QStringLiteral("UI"),
     1},
    {11, QStringLiteral("1.500.000 UI/250 MG"), QStringLiteral("1.500.000 UI"),
     QStringLiteral("UI"), 1},
    {12, QStringLiteral("400 MG/G"), QStringLiteral("400 mg/g"), QStringLiteral("mg/g"), 5},
    {12, QStringLiteral("100 MG/ML"), QStringLiteral("100 mg/ml"), QStringLiteral("mg/ml"), 4},
    {13, QStringLiteral("2.000.000 UI/G"), QStringLiteral("2.000.000 UI/g"), QStringLiteral("UI/g"),
     5},
    {13, QStringLiteral("4.800.000 UI/G"), QStringLiteral("4.800.000 UI/g"),
     QStringLiteral("Unidades Internacionales/g"), 7},
    {14, QStringLiteral("300.000 UI/ML"), QStringLiteral("300.000 UI/ml"), QStringLiteral("UI/ml"),
     3},
    {15, QStringLiteral("25 MG"), QStringLiteral("25 mg"), QStringLiteral("mg"), 0},
    {15, QStringLiteral("75 MG"), QStringLiteral("75 mg"), QStringLiteral("mg"), 0},
    {15, QStringLiteral("25 MG/ML"), QStringLiteral("25 mg/ml"), QStringLiteral("mg/ml"), 9},
    {16, QStringLiteral("40 MG/ML"), QStringLiteral("40 mg/ml"), QStringLiteral("mg/ml"), 4},
    {17, QStringLiteral("75 MG"), QStringLiteral("75 mg"), QStringLiteral("mg"), 8},
    {17, QStringLiteral("25 MG/ML"), QStringLiteral("25 mg/ml"), QStringLiteral("mg/ml"), 3},
    {18, QStringLiteral("15 MG"), QStringLiteral("15 mg"), QStringLiteral("mg"), 1},
    {18, QStringLiteral("25 MG/ML"), QStringLiteral("25 mg/ml"), QStringLiteral("mg/ml"), 9},
};

const Laboratory kLaboratories[] = {
    {QStringLiteral("Laboratorios Orvalia, S.A."), QStringLiteral("ORVALIA")},
    {QStringLiteral("Veterquímica Ibérica, S.L."), QStringLiteral("VETERQUÍMICA")},
    {QStringLiteral("Laboratoris d'Osona, S.A."), QStringLiteral("D'OSONA")},
    {QStringLiteral("Industrial Farmacéutica del Ebro, S.A."), QStringLiteral("EBRO")},
    {QStringLiteral("Laboratorios Calvera Sanidad Animal y Nutrición Ganadera, S.L."),
     QStringLiteral("CALVERA")},
    {QStringLiteral("Zoofarma Levante, S.A."), QStringLiteral("ZOOFARMA")},
    {QStringLiteral("Laboratorios Montañés, S.A."), QStringLiteral("MONTAÑÉS")},
    {QStringLiteral("Sanidad Animal Duero, S.L."), QStringLiteral("DUERO")},
    {QStringLiteral("Laboratorios Aránzazu Vet, S.L."), QStringLiteral("ARÁNZAZU")},
    {QStringLiteral("Química Ganadera del Sur, S.A."), QStringLiteral("QUIGASUR")},
    {QStringLiteral("Laboratoris L'Albera, S.L."), QStringLiteral("L'ALBERA")},
    {QStringLiteral("Farmavet Cantábrica, S.A."), QStringLiteral("CANTÁBRICA")},
    {QStringLiteral("Ganadería y Salud Ibérica, S.L."), QStringLiteral("GASAIB")},
};

const Species kPetSpecies[] = {
    {QStringLiteral("PARA PERROS"), QStringLiteral("PERROS")},
    {QStringLiteral("PARA GATOS"), QStringLiteral("GATOS")},
    {QStringLiteral("PARA PERROS Y GATOS"), QStringLiteral("PERROS Y GATOS")},
    {QStringLiteral("PARA PERROS PEQUEÑOS"), QStringLiteral("PERROS PEQUEÑOS")},
    {QStringLiteral("SABOR PARA PERROS"), QStringLiteral("SABOR")},
};
const Species kLivestockSpecies[] = {
    {QStringLiteral("PARA BOVINO"), QStringLiteral("BOVINO")},
    {QStringLiteral("PARA PORCINO"), QStringLiteral("PORCINO")},
    {QStringLiteral("PARA BOVINO Y PORCINO"), QStringLiteral("BOV/PORC")},
    {QStringLiteral("PARA POLLOS DE ENGORDE"), QStringLiteral("AVES")},
    {QStringLiteral("PARA CONEJOS"), QStringLiteral("CONEJOS")},
    {QStringLiteral("PARA OVINO Y CAPRINO"), QStringLiteral("OVINO/CAPRINO")},
    {QStringLiteral("PARA LECHONES DE 1ª EDAD"), QStringLiteral("LECHONES")},
};
const Species kDairySpecies[] = {
    {QStringLiteral("PARA VACAS EN LACTACIÓN"), QStringLiteral("LACTACIÓN")},
    {QStringLiteral("PARA VACAS EN SECADO"), QStringLiteral("SECADO")},
};

const QString kBrandSuffixes[] = {
    QStringLiteral("VET"), QStringLiteral("CAN"),  QStringLiteral("PET"), QStringLiteral("ZOO"),
    QStringLiteral("MAX"), QStringLiteral("TAB"),  QStringLiteral("SOL"), QStringLiteral("PRIM"),
    QStringLiteral("VEX"), QStringLiteral("IBER"), QStringLiteral("GAN"), QStringLiteral("FARM"),
    QStringLiteral("TEC")};

const std::pair<QString, int> kClassicBrands[] = {
    {QStringLiteral("CLAMOXYL"), 0},     {QStringLiteral("BAYTRIL"), 2},
    {QStringLiteral("DOXIPRAN"), 4},     {QStringLiteral("TERRAMIX"), 5},
    {QStringLiteral("QUERALEX"), 6},     {QStringLiteral("TYLOZOO"), 7},
    {QStringLiteral("METROSPIR"), 11},   {QStringLiteral("CLINDORAL"), 15},
    {QStringLiteral("QUINOBACTÁN"), 17},
};

const QString kHumanIngredients[] = {
    QStringLiteral("PARACETAMOL"),
    QStringLiteral("IBUPROFENO"),
    QStringLiteral("OMEPRAZOL"),
    QStringLiteral("AMOXICILINA"),
    QStringLiteral("AZITROMICINA"),
    QStringLiteral("ENALAPRIL"),
    QStringLiteral("SIMVASTATINA"),
    QStringLiteral("METFORMINA"),
    QStringLiteral("LORAZEPAM"),
    QStringLiteral("DEXKETOPROFENO"),
    QStringLiteral("CETIRIZINA"),
    QStringLiteral("LORATADINA"),
    QStringLiteral("SALBUTAMOL"),
    QStringLiteral("ATORVASTATINA"),
    QStringLiteral("PANTOPRAZOL"),
    QStringLiteral("TRAMADOL"),
    QStringLiteral("DIAZEPAM"),
    QStringLiteral("ALPRAZOLAM"),
    QStringLiteral("AMLODIPINO"),
    QStringLiteral("LOSARTÁN"),
    QStringLiteral("CIPROFLOXACINO"),
    QStringLiteral("CEFUROXIMA"),
    QStringLiteral("FUROSEMIDA"),
    QStringLiteral("LEVOTIROXINA"),
    QStringLiteral("METAMIZOL"),
    QStringLiteral("NAPROXENO"),
    QStringLiteral("ÁCIDO ACETILSALICÍLICO"),
    QStringLiteral("CLOPIDOGREL"),
    QStringLiteral("BISOPROLOL"),
    QStringLiteral("ESCITALOPRAM"),
};
const QString kHumanStrengths[] = {
    QStringLiteral("5 MG"),   QStringLiteral("10 MG"),  QStringLiteral("20 MG"),
    QStringLiteral("25 MG"),  QStringLiteral("40 MG"),  QStringLiteral("50 MG"),
    QStringLiteral("100 MG"), QStringLiteral("250 MG"), QStringLiteral("400 MG"),
    QStringLiteral("500 MG"), QStringLiteral("600 MG"), QStringLiteral("1 G")};
const QString kHumanForms[] = {
    QStringLiteral("COMPRIMIDOS"),    QStringLiteral("COMPRIMIDOS RECUBIERTOS"),
    QStringLiteral("CÁPSULAS DURAS"), QStringLiteral("COMPRIMIDOS EFERVESCENTES"),
    QStringLiteral("SOBRES"),         QStringLiteral("COMPRIMIDOS BUCODISPERSABLES"),
    QStringLiteral("CÁPSULAS")};
const QString kHumanPackSizes[] = {QStringLiteral("10"), QStringLiteral("14"), QStringLiteral("20"),
                                   QStringLiteral("28"), QStringLiteral("30"), QStringLiteral("40"),
                                   QStringLiteral("56"), QStringLiteral("60")};
const QString kGenericMakers[] = {QStringLiteral("ARVELA"),   QStringLiteral("FARMASUR"),
                                  QStringLiteral("GENIBER"),  QStringLiteral("MEDIVA"),
                                  QStringLiteral("QUALIMED"), QStringLiteral("NORTEFARMA"),
                                  QStringLiteral("SANTAGEN")};

const QString kParapharmacyItems[] = {
    QStringLiteral("CREMA HIDRATANTE FACIAL PIEL SECA 50 ML"),
    QStringLiteral("CHAMPÚ ANTICASPA 400 ML"),
    QStringLiteral("PAÑALES INFANTILES TALLA 3 (4-9 KG) 48 UDS"),
    QStringLiteral("PAÑALES INFANTILES TALLA 5 (11-25 KG) 40 UDS"),
    QStringLiteral("TIRITAS PLÁSTICO SURTIDAS 20 UDS"),
    QStringLiteral("LECHE INFANTIL DE CONTINUACIÓN 800 G"),
    QStringLiteral("PROTECTOR SOLAR SPF 50+ 200 ML"),
    QStringLiteral("SUERO FISIOLÓGICO MONODOSIS 30 X 5 ML"),
    QStringLiteral("GASAS ESTÉRILES 20 X 20 CM 25 SOBRES"),
    QStringLiteral("TERMÓMETRO DIGITAL FLEXIBLE"),
    QStringLiteral("CEPILLO DENTAL SUAVE"),
    QStringLiteral("PASTA DENTÍFRICA ENCÍAS SENSIBLES 125 ML"),
    QStringLiteral("COLUTORIO SIN ALCOHOL 500 ML"),
    QStringLiteral("JABÓN DERMATOLÓGICO PH NEUTRO 750 ML"),
    QStringLiteral("MASCARILLAS QUIRÚRGICAS 10 UDS"),
    QStringLiteral("VITAMINA C 1000 MG 20 COMPRIMIDOS EFERVESCENTES"),
    QStringLiteral("COMPLEJO VITAMÍNICO 30 CÁPSULAS"),
    QStringLiteral("MAGNESIO + VITAMINA B6 60 COMPRIMIDOS"),
    QStringLiteral("BÁLSAMO LABIAL REPARADOR 4 G"),
    QStringLiteral("CREMA DE MANOS REPARADORA 75 ML"),
    QStringLiteral("TOALLITAS HÚMEDAS BEBÉ 72 UDS"),
    QStringLiteral("SOLUCIÓN ANTISÉPTICA CLORHEXIDINA 250 ML"),
};
const QString kParapharmacyBrands[] = {QStringLiteral("DERMALIA"),  QStringLiteral("NATURVIT"),
                                       QStringLiteral("BEBESOL"),   QStringLiteral("ISDIMAR"),
                                       QStringLiteral("FARMACARE"), QStringLiteral("AVELINE"),
                                       QStringLiteral("ORALIS"),    QStringLiteral("SANIPLUS")};

const QString kVeterinaryCareItems[] = {
    QStringLiteral("PIPETAS ANTIPARASITARIAS PERROS PEQUEÑOS 2-10 KG 3 UDS"),
    QStringLiteral("PIPETAS ANTIPARASITARIAS GATOS 4 UDS"),
    QStringLiteral("COLLAR ANTIPARASITARIO PERROS GRANDES"),
    QStringLiteral("ANTIPARASITARIO INTERNO PERROS 2 COMPRIMIDOS"),
    QStringLiteral("CHAMPÚ DERMATOLÓGICO PERROS 200 ML"),
    QStringLiteral("PIENSO GATOS ESTERILIZADOS 1,5 KG"),
    QStringLiteral("SOLUCIÓN ÓTICA LIMPIADORA 125 ML"),
    QStringLiteral("MELOXICAM 1,5 MG/ML SUSPENSIÓN ORAL PERROS 32 ML"),
    QStringLiteral("SPRAY ANTIPARASITARIO 250 ML"),
    QStringLiteral("VITAMINAS PARA PERROS MAYORES 60 COMP"),
    QStringLiteral("CARPROFENO 50 MG 20 COMP PERROS"),
    QStringLiteral("DESPARASITANTE GATOS PASTA ORAL 2 X 1 ML"),
};
const QString kVeterinaryCareBrands[] = {QStringLiteral("CANIVET"),  QStringLiteral("FELIDERM"),
                                         QStringLiteral("PROTECAN"), QStringLiteral("VETACARE"),
                                         QStringLiteral("ZOOPLUS"),  QStringLiteral("MASCOTIA")};

}  // namespace

std::span<const AntibioticSubstance> DemoVocabulary::substances() {
    return kSubstances;
}
std::span<const DosageForm> DemoVocabulary::forms() {
    return kForms;
}
std::span<const Presentation> DemoVocabulary::presentations() {
    return kPresentations;
}
std::span<const Laboratory> DemoVocabulary::laboratories() {
    return kLaboratories;
}

std::span<const Species> DemoVocabulary::species(SpeciesGroup group) {
    switch (group) {
        case SpeciesGroup::Pets:
            return kPetSpecies;
        case SpeciesGroup::Livestock:
            return kLivestockSpecies;
        case SpeciesGroup::DairyCows:
            return kDairySpecies;
    }
    return kPetSpecies;
}

std::span<const QString> DemoVocabulary::brandSuffixes() {
    return kBrandSuffixes;
}
std::span<const std::pair<QString, int>> DemoVocabulary::classicBrands() {
    return kClassicBrands;
}
std::span<const QString> DemoVocabulary::humanIngredients() {
    return kHumanIngredients;
}
std::span<const QString> DemoVocabulary::humanStrengths() {
    return kHumanStrengths;
}
std::span<const QString> DemoVocabulary::humanForms() {
    return kHumanForms;
}
std::span<const QString> DemoVocabulary::humanPackSizes() {
    return kHumanPackSizes;
}
std::span<const QString> DemoVocabulary::genericMakers() {
    return kGenericMakers;
}
std::span<const QString> DemoVocabulary::parapharmacyItems() {
    return kParapharmacyItems;
}
std::span<const QString> DemoVocabulary::parapharmacyBrands() {
    return kParapharmacyBrands;
}
std::span<const QString> DemoVocabulary::veterinaryCareItems() {
    return kVeterinaryCareItems;
}
std::span<const QString> DemoVocabulary::veterinaryCareBrands() {
    return kVeterinaryCareBrands;
}

}  // namespace demo

#pragma once

#include <QString>

namespace demo {

// How a listed product stands against the pharmacy's articles, by the program's rule: held when
// its national code is an article; similar when the article's description contains the first
// word of the product's name.
enum class ListMatch { Similar, Different, NotHeld };

// One product of the official list; COD and FEC are given per line when the list is written.
struct EsvacProduct {
    QString declar;
    QString numDef;
    QString nombre;
    QString laboratorio;
    QString codNal;
    QString forFar;
    QString aForFar;
    QString dispositivo;
    QString contenido;
    QString material;
    QString dosis;
    QString unidad;
    QString atc;
    ListMatch match = ListMatch::NotHeld;
};

}  // namespace demo

#pragma once

#include <QString>

// The web addresses the start window and the about box open.
namespace WebLinks {
inline const QString kHomePage = QStringLiteral("https://quorvel.example.org/");
inline const QString kMorePrograms = QStringLiteral("https://quorvel.example.org/more/");
} // namespace WebLinks

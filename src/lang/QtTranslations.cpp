// SPDX-License-Identifier: GPL-3.0-or-later
#include "lang/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

namespace pse::lang {

QString qtTranslationsFolder()
{
    return QLibraryInfo::path(QLibraryInfo::TranslationsPath);
}

bool useQtTranslations(int languageIndex)
{
    // The application owns the one translator in force; a switch takes the old catalogue out.
    QCoreApplication *application = QCoreApplication::instance();
    const QString name = QStringLiteral("qtTranslations");
    delete application->findChild<QTranslator *>(name, Qt::FindDirectChildrenOnly);
    static constexpr const char *Catalogues[] = {"qtbase_hr", nullptr, "qtbase_de", "qtbase_fr",
                                                 "qtbase_it"};
    const char *catalogue =
        Catalogues[languageIndex >= 1 && languageIndex <= 4 ? languageIndex : 0];
    if (!catalogue)
        return false;
    auto *translator = new QTranslator(application);
    translator->setObjectName(name);
    if (!translator->load(QString::fromLatin1(catalogue), qtTranslationsFolder())) {
        delete translator;
        return false;
    }
    QCoreApplication::installTranslator(translator);
    return true;
}

} // namespace pse::lang

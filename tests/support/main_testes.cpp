#include <QLocale>
#include <QStringList>
#include <memory>

#include "core/u_Aplicacao.h"
#include "support/suporte.h"

std::vector<std::pair<const char*, suporte::FabricaDeTeste>>& suporte::testesRegistrados()
{
    static std::vector<std::pair<const char*, FabricaDeTeste>> lista;
    return lista;
}

// Uso: tst_x [Classe ...] [opções do QTest]. Sem nome de classe, roda todas.
int main(int argc, char** argv)
{
    qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? QByteArray("offscreen")
                                                                       : qgetenv("QT_QPA_PLATFORM"));
    PrepararAmbienteFirebird();
    QLocale::setDefault(QLocale(QLocale::Portuguese, QLocale::Brazil));
    TAplicacao app(argc, argv);
    app.setApplicationName(QStringLiteral("osvendas"));

    QStringList classes;
    QStringList argumentos{QString::fromLocal8Bit(argv[0])};
    for (int i = 1; i < argc; ++i) {
        const QString a = QString::fromLocal8Bit(argv[i]);
        bool ehClasse = false;
        for (const auto& t : suporte::testesRegistrados())
            ehClasse = ehClasse || a == QLatin1String(t.first);
        (ehClasse ? classes : argumentos) << a;
    }
    int falhas = 0;
    for (const auto& t : suporte::testesRegistrados()) {
        if (!classes.isEmpty() && !classes.contains(QLatin1String(t.first)))
            continue;
        std::unique_ptr<QObject> teste(t.second());
        falhas += QTest::qExec(teste.get(), argumentos);
    }
    return falhas == 0 ? 0 : 1;
}

#include "core/u_Aplicacao.h"

#include <QDir>
#include <QLocale>
#include <exception>
#include <unistd.h>

#include "core/u_Dialogos.h"

TAplicacao::TAplicacao(int& argc, char** argv) : QApplication(argc, argv)
{
}

bool TAplicacao::notify(QObject* receptor, QEvent* evento)
{
    try {
        return QApplication::notify(receptor, evento);
    } catch (const std::exception& erro) {
        Dialogos().mensagem(QString::fromUtf8(erro.what()), QString(), TIcone::Erro);
    } catch (...) {
        Dialogos().mensagem(QStringLiteral("Erro desconhecido"), QString(), TIcone::Erro);
    }
    return false;
}

void PrepararAmbienteFirebird()
{
    if (getuid() == 0 || qEnvironmentVariableIsSet("FIREBIRD_LOCK"))
        return;
    const QString pasta = QStringLiteral("/tmp/osvendas-fb-%1").arg(getuid());
    QDir().mkpath(pasta);
    QFile::setPermissions(pasta, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    qputenv("FIREBIRD_LOCK", pasta.toLocal8Bit());
}

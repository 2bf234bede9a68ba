// Início do programa: módulo de dados, janela principal escondida, login e laço de eventos.
#include "core/u_Aplicacao.h"
#include "mainwin/u_Inicializacao.h"

int main(int argc, char** argv)
{
    PrepararAmbienteFirebird();
    TAplicacao app(argc, argv);
    app.setApplicationName(QStringLiteral("osvendas"));
    app.setDesktopFileName(QStringLiteral("osvendas"));
    return IniciarPrograma([&app] { return app.exec(); });
}

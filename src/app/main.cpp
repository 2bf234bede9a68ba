// Início do programa: módulo de dados, janela principal escondida, login e laço de eventos.
#include <QLocale>
#include <memory>

#include "core/u_Aplicacao.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"

int main(int argc, char** argv)
{
    PrepararAmbienteFirebird();
    TAplicacao app(argc, argv);
    app.setApplicationName(QStringLiteral("osvendas"));

    auto modulo = std::make_unique<TModuloDados>();
    if (!modulo->ok())
        return 1;
    return 0;
}

#pragma once
// Registro das janelas do programa de capturas (tools/capturas).
//
// Cada subsistema põe as suas num arquivo próprio, tools/capturas/cap_<subsistema>.cpp:
//
//     #include "capturas.h"
//     #include "customers/u_CadCliente.h"
//
//     REGISTRAR_CAPTURA(frm_CadCliente)
//     {
//         ctx.sql("UPDATE ...");                   // prepara dados, se precisar
//         auto janela = std::make_unique<Tfrm_CadCliente>();
//         janela->findChild<QLineEdit*>("edt_Nome")->setText("...");
//         return janela;                           // a ferramenta mostra, espera e grava
//     }
//
// O nome dado ao macro é o nome da PNG (frm_CadCliente.png). Antes de cada captura a
// ferramenta cria uma pasta de programa nova (Config.ini, figuras) com uma cópia nova da base
// de demonstração e o módulo de dados conectado, com ADMIN como usuário conectado; as
// mensagens e janelas modais que a janela abrir não aparecem (mensagens vão para a saída de
// erros, perguntas respondem Não, janelas modais fecham com Cancelar). Devolva a janela já
// preenchida como deve aparecer; para mostrar um estado que só existe depois de aberta
// (uma lista carregada no FormShow, por exemplo), use ctx.depoisDeMostrar(...).
//
// Uso: capturas <pasta de saída> [--estilo "Nome do estilo"] [nome ...]
#include <QString>
#include <QWidget>
#include <functional>
#include <memory>

#include "core/u_ModuloDados.h"

class TContextoCaptura
{
public:
    // Pasta do programa desta captura (com a barra final) e a base copiada.
    QString pastaAplicacao;
    QString caminhoBase;
    // SQL direto na base desta captura (escrita ou leitura, pelo módulo de dados).
    void sql(const QString& comando, const TParametros& parametros = {}) const;
    QVariant valor(const QString& consulta, const TParametros& parametros = {}) const;
    // Chamado com a janela já visível, logo antes de grabar a imagem.
    void depoisDeMostrar(std::function<void(QWidget*)> acao) { m_depoisDeMostrar = std::move(acao); }

    std::function<void(QWidget*)> m_depoisDeMostrar;
};

using TFabricaDeCaptura = std::function<std::unique_ptr<QWidget>(TContextoCaptura& ctx)>;

struct TRegistroCaptura
{
    TRegistroCaptura(const char* nome, TFabricaDeCaptura fabrica);
};

#define REGISTRAR_CAPTURA(Nome)                                                                                        \
    static std::unique_ptr<QWidget> captura_##Nome(TContextoCaptura& ctx);                                             \
    static TRegistroCaptura registroCaptura_##Nome(#Nome, captura_##Nome);                                             \
    static std::unique_ptr<QWidget> captura_##Nome([[maybe_unused]] TContextoCaptura& ctx)

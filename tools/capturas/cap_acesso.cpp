// Capturas das telas de acesso.
#include <QLabel>
#include <QLineEdit>

#include "access/u_ADMIN.h"
#include "access/u_Alterar_Senha.h"
#include "access/u_CadUsuariosSistema.h"
#include "access/u_Lista_Usuarios.h"
#include "access/u_Senha.h"
#include "capturas.h"
#include "util/u_alicerce_com.h"

namespace {
void criarUsuario(const TContextoCaptura& ctx, const QString& login, const QString& senha)
{
    ctx.sql(QStringLiteral("INSERT INTO USUARIOS (CDLOGIN, CDSENHA) VALUES (:L, :S)"),
            {{QStringLiteral("L"), login}, {QStringLiteral("S"), Crypt(QStringLiteral("C"), senha)}});
}
} // namespace

REGISTRAR_CAPTURA(frm_Senha)
{
    criarUsuario(ctx, QStringLiteral("ADMIN"), QStringLiteral("1234"));
    auto janela = std::make_unique<Tfrm_Senha>();
    janela->findChild<QLineEdit*>(QStringLiteral("edt_Usuario"))->setText(QStringLiteral("MARIA"));
    return janela;
}

// USUARIOS vazia: a loja define a senha do administrador
REGISTRAR_CAPTURA(frm_Senha_PrimeiroAcesso)
{
    return std::make_unique<Tfrm_Senha>();
}

REGISTRAR_CAPTURA(frm_ADMIN)
{
    return std::make_unique<Tfrm_ADMIN>();
}

REGISTRAR_CAPTURA(frm_Alterar_Senha)
{
    auto janela = std::make_unique<Tfrm_Alterar_Senha>();
    janela->pn_Login()->setText(QStringLiteral("MARIA"));
    return janela;
}

REGISTRAR_CAPTURA(frm_Lista_Usuarios)
{
    criarUsuario(ctx, QStringLiteral("ADMIN"), QStringLiteral("1234"));
    criarUsuario(ctx, QStringLiteral("MARIA"), QStringLiteral("MARIA1"));
    criarUsuario(ctx, QStringLiteral("JOAO"), QStringLiteral("JOAO22"));
    criarUsuario(ctx, QStringLiteral("PEDRO"), QStringLiteral("PEDRO3"));
    return std::make_unique<Tfrm_Lista_Usuarios>();
}

REGISTRAR_CAPTURA(frm_Usuarios_Sistema)
{
    auto janela = std::make_unique<Tfrm_Usuarios_Sistema>();
    janela->findChild<QLineEdit*>(QStringLiteral("edt_usuario"))->setText(QStringLiteral("CARLOS"));
    return janela;
}

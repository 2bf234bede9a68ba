#pragma once
// Apoio dos testes de acesso: usuários na base e a janela ativa para o foco valer.
#include <QApplication>
#include <QWidget>
#include <QtTest>

#include "support/ambiente_teste.h"
#include "util/u_alicerce_com.h"

// Cria um usuário com a senha cifrada como o programa grava; devolve CDUSUARIO.
inline int CriarUsuario(AmbienteTeste& amb, const QString& login, const QString& senha,
                        const QVariant& ativo = QVariant(QMetaType::fromType<QString>()))
{
    amb.exec(QStringLiteral("INSERT INTO USUARIOS (CDLOGIN, CDSENHA, AOATIVO) VALUES (:L, :S, :A)"),
             {{QStringLiteral("L"), login},
              {QStringLiteral("S"), Crypt(QStringLiteral("C"), senha)},
              {QStringLiteral("A"), ativo}});
    return amb
        .valor(QStringLiteral("SELECT MAX(CDUSUARIO) FROM USUARIOS WHERE CDLOGIN = :L"), {{QStringLiteral("L"), login}})
        .toInt();
}

inline QString SenhaGravada(AmbienteTeste& amb, const QString& login)
{
    return Crypt(QStringLiteral("D"), amb.valor(QStringLiteral("SELECT CDSENHA FROM USUARIOS WHERE CDLOGIN = :L"),
                                                {{QStringLiteral("L"), login}})
                                          .toString());
}

// Mostra a janela e espera ela ficar ativa (sem isso o foco não anda).
inline bool MostrarAtiva(QWidget* janela)
{
    janela->show();
    QApplication::setActiveWindow(janela);
    return QTest::qWaitForWindowActive(janela);
}

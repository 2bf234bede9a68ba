#include "access/u_Acesso.h"

#include "core/u_ModuloDados.h"

QString ProblemaNaSenha(const QString& senha)
{
    for (const QChar c : senha) {
        if (c.unicode() < 1 || c.unicode() > 254)
            return QStringLiteral("Atenção\nA senha tem um caractere que não pode ser usado: %1").arg(c);
    }
    if (senha.size() > kTamanhoMaximoSenhaCifrada)
        return QStringLiteral("Atenção\nA senha aceita no máximo %1 caracteres").arg(kTamanhoMaximoSenhaCifrada);
    return QString();
}

bool ConectadoComoAdministrador()
{
    return ModuloDados && ModuloDados->vp_usuario_conectado == QLatin1String("ADMIN");
}

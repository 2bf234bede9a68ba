// Operações de dados do acesso: permissão do administrador e usuários.
#include "access/u_ADMIN.h"
#include "core/u_Dialogos.h"
#include "core/u_ModuloDados.h"

bool TModuloDados::PermissaoADMIN()
{
    // janela nova a cada pedido: a senha sempre começa vazia
    Tfrm_ADMIN janela;
    return Dialogos().executarModal(&janela) == QDialog::Accepted;
}

void TModuloDados::AbrirUsuarios()
{
    Qry_Usuarios->fechar();
    Qry_Usuarios->setSQL({QStringLiteral("SELECT CDLOGIN FROM USUARIOS ORDER BY CDLOGIN")});
    Qry_Usuarios->abrir();
}

bool TModuloDados::UsuarioExiste(const QString& login)
{
    return LerValor({QStringLiteral("SELECT COALESCE(COUNT(*),0) QT FROM USUARIOS WHERE CDLOGIN = :CDLOGIN")},
                    {{QStringLiteral("CDLOGIN"), login}})
               .toInt() > 0;
}

bool TModuloDados::ExisteRegistrodeLancamentosdoUsuario(int cdUsuario)
{
    return LerValor(
               {QStringLiteral("SELECT COALESCE(COUNT(*),0) QT FROM LANCAMENTOS WHERE CDFUNCIONARIO = :CDFUNCIONARIO")},
               {{QStringLiteral("CDFUNCIONARIO"), cdUsuario}})
               .toInt() > 0;
}

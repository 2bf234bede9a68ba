// Operações do módulo de dados sobre ordens de serviço: numeração, a OS, suas linhas de serviço,
// o catálogo de marcas e modelos.
#include <QDateTime>

#include "core/u_ModuloDados.h"
#include "core/u_Relogio.h"
#include "core/u_Valores.h"
#include "serviceorders/u_RegrasOS.h"

namespace {
QString textoDeData(const QVariant& v)
{
    return v.isNull() ? QString() : TextoDeData(v.toDate());
}

// "vazio" gravado como texto vazio, e não como nulo (RETORNO e FORMA_PAGAMENTO são lidos assim)
QString textoNaoNulo(const QString& texto)
{
    return texto.isNull() ? QStringLiteral("") : texto;
}

// figura vazia fica nula na base, e não um blob de zero bytes
QVariant blob(const QByteArray& bytes)
{
    return bytes.isEmpty() ? Nulo<QByteArray>() : QVariant(bytes);
}
} // namespace

//--------------------------------------------------------------------------------------------------
// Numeração
//--------------------------------------------------------------------------------------------------

int TModuloDados::NumeroNovaOS()
{
    if (ExisteControledeOrdemdeServicoGerado())
        IncrementaNovaOrdemnoControle();
    else
        CriaNovoControleOrdem();
    return RetornaUltimaOrdem();
}

bool TModuloDados::ExisteControledeOrdemdeServicoGerado()
{
    return LerValor({QStringLiteral("SELECT COALESCE(COUNT(*),0) AS QT FROM CONTROLE_ORDENS")}).toInt() > 0;
}

int TModuloDados::UltimaOrdemdeServico()
{
    return LerValor({QStringLiteral("SELECT MAX(NROS) NROS FROM ORDEM_SERVICO")}).toInt();
}

void TModuloDados::IncrementaNovaOrdemnoControle()
{
    // o número sai sempre das ordens gravadas; o contador só registra quem pediu e quando
    const int ultima = UltimaOrdemdeServico();
    Executar({QStringLiteral("UPDATE"), QStringLiteral("CONTROLE_ORDENS"), QStringLiteral("SET"),
              QStringLiteral("NRO_DA_ULTIMA_ORDEM = :NRO_DA_ULTIMA_ORDEM + 1,"),
              QStringLiteral("COMPUTADOR_GEROU = :COMPUTADOR_GEROU,"),
              QStringLiteral("DATAEHORAGERACAO = :DATAEHORAGERACAO")},
             {{QStringLiteral("NRO_DA_ULTIMA_ORDEM"), ultima},
              {QStringLiteral("COMPUTADOR_GEROU"), PegaONomedoComputador()},
              {QStringLiteral("DATAEHORAGERACAO"), QDateTime(Hoje(), QTime(0, 0))}});
}

void TModuloDados::CriaNovoControleOrdem()
{
    const int ultima = UltimaOrdemdeServico();
    Executar({QStringLiteral("INSERT INTO CONTROLE_ORDENS(NRO_DA_ULTIMA_ORDEM, COMPUTADOR_GEROU, DATAEHORAGERACAO)"),
              QStringLiteral("VALUES (:NRO_DA_ULTIMA_ORDEM, :COMPUTADOR_GEROU, :DATAEHORAGERACAO)")},
             {{QStringLiteral("NRO_DA_ULTIMA_ORDEM"), ultima + 1},
              {QStringLiteral("COMPUTADOR_GEROU"), PegaONomedoComputador()},
              {QStringLiteral("DATAEHORAGERACAO"), QDateTime(Hoje(), QTime(0, 0))}});
}

int TModuloDados::RetornaUltimaOrdem()
{
    return LerValor({QStringLiteral("SELECT NRO_DA_ULTIMA_ORDEM FROM CONTROLE_ORDENS")}).toInt();
}

//--------------------------------------------------------------------------------------------------
// A ordem de serviço
//--------------------------------------------------------------------------------------------------

void TModuloDados::GravarOS(int vNROS, int vCDCLIENTE, const QString& vDATAOS, const QString& vSTATUS,
                            const QString& vTPAPARELHO, const QString& vMARCA, const QString& vMODELO,
                            const QString& vIMEI, const QString& vOBSERVACAO, const QString& vSEM_CHIP,
                            const QString& vNAO_LIGA, const QString& vCARREGADOR, const QString& vSEM_TAMPA_BATERIA,
                            const QString& vCARTAO_MEMORIA, const QString& vLENTE_RISCADA,
                            const QString& vLENTE_TRINCADA, const QString& vDISPLAY_TRINCADO,
                            const QString& vCARCACA_TRINCADA, const QString& vCARCACA_RISCADA, double vVALOR_TOTAL,
                            const QString& vRETORNO, const QString& vDATA_RETORNO, const QString& vDATA_FINALIZADO,
                            const QString& vDATA_RETIRADA, const QString& vDATA_DEVOLUCAO, const QString& vFUNCIONARIO,
                            const QString& vSENHA, const QByteArray& vSIMBOLO_ACESSO)
{
    // retorno e datas chegam mas não são gravados: ficam nulos até a primeira alteração
    Q_UNUSED(vRETORNO)
    Q_UNUSED(vDATA_RETORNO)
    Q_UNUSED(vDATA_FINALIZADO)
    Q_UNUSED(vDATA_RETIRADA)
    Q_UNUSED(vDATA_DEVOLUCAO)
    const QDate dataOS = DataDeTexto(vDATAOS);
    Executar(
        {QStringLiteral("INSERT INTO ORDEM_SERVICO(NROS, CDCLIENTE, DATAOS, STATUS, TPAPARELHO, MARCA, MODELO,"),
         QStringLiteral("  IMEI, OBSERVACAO, SEM_CHIP, NAO_LIGA, CARREGADOR, SEM_TAMPA_BATERIA, CARTAO_MEMORIA,"),
         QStringLiteral("  LENTE_RISCADA, LENTE_TRINCADA, DISPLAY_TRINCADO, CARCACA_TRINCADA, CARCACA_RISCADA,"),
         QStringLiteral("  VALOR_TOTAL, FUNCIONARIO, COMPUTADOR, SENHA, SIMBOLO_ACESSO)"), QStringLiteral("VALUES"),
         QStringLiteral("(:NROS, :CDCLIENTE, :DATAOS, :STATUS, :TPAPARELHO, :MARCA, :MODELO,"),
         QStringLiteral(
             "  :IMEI, :OBSERVACAO, :SEM_CHIP, :NAO_LIGA, :CARREGADOR, :SEM_TAMPA_BATERIA, :CARTAO_MEMORIA,"),
         QStringLiteral("  :LENTE_RISCADA, :LENTE_TRINCADA, :DISPLAY_TRINCADO, :CARCACA_TRINCADA, :CARCACA_RISCADA,"),
         QStringLiteral("  :VALOR_TOTAL, :FUNCIONARIO, :COMPUTADOR, :SENHA, :SIMBOLO_ACESSO)")},
        {{QStringLiteral("NROS"), vNROS},
         {QStringLiteral("CDCLIENTE"), vCDCLIENTE},
         {QStringLiteral("DATAOS"), dataOS},
         {QStringLiteral("STATUS"), vSTATUS},
         {QStringLiteral("TPAPARELHO"), vTPAPARELHO},
         {QStringLiteral("MARCA"), vMARCA},
         {QStringLiteral("MODELO"), vMODELO},
         {QStringLiteral("IMEI"), vIMEI},
         {QStringLiteral("OBSERVACAO"), vOBSERVACAO},
         {QStringLiteral("SEM_CHIP"), vSEM_CHIP},
         {QStringLiteral("NAO_LIGA"), vNAO_LIGA},
         {QStringLiteral("CARREGADOR"), vCARREGADOR},
         {QStringLiteral("SEM_TAMPA_BATERIA"), vSEM_TAMPA_BATERIA},
         {QStringLiteral("CARTAO_MEMORIA"), vCARTAO_MEMORIA},
         {QStringLiteral("LENTE_RISCADA"), vLENTE_RISCADA},
         {QStringLiteral("LENTE_TRINCADA"), vLENTE_TRINCADA},
         {QStringLiteral("DISPLAY_TRINCADO"), vDISPLAY_TRINCADO},
         {QStringLiteral("CARCACA_TRINCADA"), vCARCACA_TRINCADA},
         {QStringLiteral("CARCACA_RISCADA"), vCARCACA_RISCADA},
         {QStringLiteral("VALOR_TOTAL"), vVALOR_TOTAL},
         {QStringLiteral("FUNCIONARIO"), vFUNCIONARIO},
         {QStringLiteral("COMPUTADOR"), PegaONomedoComputador()},
         {QStringLiteral("SENHA"), vSENHA},
         {QStringLiteral("SIMBOLO_ACESSO"), blob(vSIMBOLO_ACESSO)}});
}

void TModuloDados::AlterarOS(const QString& vNROS, const QString& vSTATUS, const QString& vTPAPARELHO,
                             const QString& vMARCA, const QString& vMODELO, const QString& vIMEI,
                             const QString& vOBSERVACAO, const QString& vSEM_CHIP, const QString& vNAO_LIGA,
                             const QString& vCARREGADOR, const QString& vSEM_TAMPA_BATERIA,
                             const QString& vCARTAO_MEMORIA, const QString& vLENTE_RISCADA,
                             const QString& vLENTE_TRINCADA, const QString& vDISPLAY_TRINCADO,
                             const QString& vCARCACA_TRINCADA, const QString& vCARCACA_RISCADA, double vVALOR_TOTAL,
                             const QString& vRETORNO, const QString& vDATA_RETORNO, const QString& vDATA_FINALIZADO,
                             const QString& vDATA_RETIRADA, const QString& vDATA_DEVOLUCAO, const QString& vDATA_PAGTO,
                             double vVALOR_DEVOLVIDO, const QString& vMOTIVO_RETORNO, const QString& vFORMA_PAGAMENTO,
                             double vVALOR_PAGO, const QString& vSENHA, const QByteArray& vSIMBOLO_ACESSO)
{
    Q_UNUSED(vVALOR_TOTAL) // o total é da base, que o mantém pelas linhas
    bool numeroOk = false;
    const int nros = vNROS.trimmed().toInt(&numeroOk);
    if (!numeroOk)
        throw EConversao(QStringLiteral("'%1' não é um número de Ordem de Serviço válido").arg(vNROS).toStdString());

    QStringList linhas{QStringLiteral("UPDATE ORDEM_SERVICO"),
                       QStringLiteral("SET STATUS            = :STATUS,"),
                       QStringLiteral("    TPAPARELHO        = :TPAPARELHO,"),
                       QStringLiteral("    MARCA             = :MARCA,"),
                       QStringLiteral("    MODELO            = :MODELO,"),
                       QStringLiteral("    IMEI              = :IMEI,"),
                       QStringLiteral("    OBSERVACAO        = :OBSERVACAO,"),
                       QStringLiteral("    SEM_CHIP          = :SEM_CHIP,"),
                       QStringLiteral("    NAO_LIGA          = :NAO_LIGA,"),
                       QStringLiteral("    CARREGADOR        = :CARREGADOR,"),
                       QStringLiteral("    SEM_TAMPA_BATERIA = :SEM_TAMPA_BATERIA,"),
                       QStringLiteral("    CARTAO_MEMORIA    = :CARTAO_MEMORIA,"),
                       QStringLiteral("    LENTE_RISCADA     = :LENTE_RISCADA,"),
                       QStringLiteral("    LENTE_TRINCADA    = :LENTE_TRINCADA,"),
                       QStringLiteral("    DISPLAY_TRINCADO  = :DISPLAY_TRINCADO,"),
                       QStringLiteral("    CARCACA_TRINCADA  = :CARCACA_TRINCADA,"),
                       QStringLiteral("    CARCACA_RISCADA   = :CARCACA_RISCADA,"),
                       QStringLiteral("    RETORNO           = :RETORNO,"),
                       QStringLiteral("    VALOR_DEVOLVIDO   = :VALOR_DEVOLVIDO,"),
                       QStringLiteral("    MOTIVO_RETORNO    = :MOTIVO_RETORNO,"),
                       QStringLiteral("    FORMA_PAGAMENTO   = :FORMA_PAGAMENTO,"),
                       QStringLiteral("    VALOR_PAGO        = :VALOR_PAGO,"),
                       QStringLiteral("    SENHA             = :SENHA,"),
                       QStringLiteral("    SIMBOLO_ACESSO    = :SIMBOLO_ACESSO")};
    TParametros parametros{{QStringLiteral("STATUS"), vSTATUS},
                           {QStringLiteral("TPAPARELHO"), vTPAPARELHO},
                           {QStringLiteral("MARCA"), vMARCA},
                           {QStringLiteral("MODELO"), vMODELO},
                           {QStringLiteral("IMEI"), vIMEI},
                           {QStringLiteral("OBSERVACAO"), vOBSERVACAO},
                           {QStringLiteral("SEM_CHIP"), vSEM_CHIP},
                           {QStringLiteral("NAO_LIGA"), vNAO_LIGA},
                           {QStringLiteral("CARREGADOR"), vCARREGADOR},
                           {QStringLiteral("SEM_TAMPA_BATERIA"), vSEM_TAMPA_BATERIA},
                           {QStringLiteral("CARTAO_MEMORIA"), vCARTAO_MEMORIA},
                           {QStringLiteral("LENTE_RISCADA"), vLENTE_RISCADA},
                           {QStringLiteral("LENTE_TRINCADA"), vLENTE_TRINCADA},
                           {QStringLiteral("DISPLAY_TRINCADO"), vDISPLAY_TRINCADO},
                           {QStringLiteral("CARCACA_TRINCADA"), vCARCACA_TRINCADA},
                           {QStringLiteral("CARCACA_RISCADA"), vCARCACA_RISCADA},
                           {QStringLiteral("RETORNO"), textoNaoNulo(vRETORNO)},
                           {QStringLiteral("VALOR_DEVOLVIDO"), vVALOR_DEVOLVIDO},
                           {QStringLiteral("MOTIVO_RETORNO"), vMOTIVO_RETORNO},
                           {QStringLiteral("FORMA_PAGAMENTO"), textoNaoNulo(vFORMA_PAGAMENTO)}};

    // data vazia não entra no comando: esta operação nunca apaga uma data já gravada
    const QPair<QString, QString> datas[] = {{QStringLiteral("DATA_PAGTO"), vDATA_PAGTO},
                                             {QStringLiteral("DATA_RETORNO"), vDATA_RETORNO},
                                             {QStringLiteral("DATA_FINALIZADO"), vDATA_FINALIZADO},
                                             {QStringLiteral("DATA_RETIRADA"), vDATA_RETIRADA},
                                             {QStringLiteral("DATA_DEVOLUCAO"), vDATA_DEVOLUCAO}};
    TParametros parametrosDatas;
    for (const auto& d : datas) {
        if (DataVazia(d.second))
            continue;
        linhas << QStringLiteral("  ,%1 = :%1").arg(d.first);
        parametrosDatas.append({d.first, DataDeTexto(d.second)}); // data inválida para aqui, antes de gravar
    }
    linhas << QStringLiteral("WHERE NROS = :NROS");

    // pagamento: abaixo do total acumula, igual ao total quita, além do total é recusado
    const TOrdemServico os = FOrdemServico(nros);
    const double valorPago = NovoValorPago(os.fVALOR_TOTAL, ValorJaPago(nros), vVALOR_PAGO);

    parametros.append({QStringLiteral("VALOR_PAGO"), valorPago});
    parametros.append({QStringLiteral("SENHA"), vSENHA});
    parametros.append({QStringLiteral("SIMBOLO_ACESSO"), blob(vSIMBOLO_ACESSO)});
    parametros += parametrosDatas;
    parametros.append({QStringLiteral("NROS"), nros});
    Executar(linhas, parametros);
}

TOrdemServico TModuloDados::FOrdemServico(int vNROS)
{
    const QSqlRecord r = LerRegistro({QStringLiteral("SELECT * FROM ORDEM_SERVICO WHERE NROS = :NROS")},
                                     {{QStringLiteral("NROS"), vNROS}});
    TOrdemServico os;
    if (r.isEmpty() || r.value(QStringLiteral("CDCONTROLE")).toInt() <= 0)
        return os;
    auto texto = [&r](const char* coluna) { return r.value(QLatin1String(coluna)).toString(); };
    auto data = [&r](const char* coluna) { return textoDeData(r.value(QLatin1String(coluna))); };
    auto numero = [&r](const char* coluna) { return r.value(QLatin1String(coluna)).toDouble(); };
    os.fCDCONTROLE = r.value(QStringLiteral("CDCONTROLE")).toInt();
    os.fNROS = r.value(QStringLiteral("NROS")).toInt();
    os.fCDCLIENTE = r.value(QStringLiteral("CDCLIENTE")).toInt();
    os.fDATAOS = data("DATAOS");
    os.fSTATUS = texto("STATUS");
    os.fTPAPARELHO = texto("TPAPARELHO");
    os.fMARCA = texto("MARCA");
    os.fMODELO = texto("MODELO");
    os.fIMEI = texto("IMEI");
    os.fOBSERVACAO = texto("OBSERVACAO");
    os.fSEM_CHIP = texto("SEM_CHIP");
    os.fNAO_LIGA = texto("NAO_LIGA");
    os.fCARREGADOR = texto("CARREGADOR");
    os.fSEM_TAMPA_BATERIA = texto("SEM_TAMPA_BATERIA");
    os.fCARTAO_MEMORIA = texto("CARTAO_MEMORIA");
    os.fLENTE_RISCADA = texto("LENTE_RISCADA");
    os.fLENTE_TRINCADA = texto("LENTE_TRINCADA");
    os.fDISPLAY_TRINCADO = texto("DISPLAY_TRINCADO");
    os.fCARCACA_TRINCADA = texto("CARCACA_TRINCADA");
    os.fCARCACA_RISCADA = texto("CARCACA_RISCADA");
    os.fVALOR_TOTAL = numero("VALOR_TOTAL");
    os.fRETORNO = texto("RETORNO");
    os.fDATA_RETORNO = data("DATA_RETORNO");
    os.fDATA_FINALIZADO = data("DATA_FINALIZADO");
    os.fDATA_RETIRADA = data("DATA_RETIRADA");
    os.fDATA_DEVOLUCAO = data("DATA_DEVOLUCAO");
    os.fDATA_PRAZO_RETIRAR = data("DATA_PRAZO_PARA_RETIRAR");
    os.fDATA_PAGTO = data("DATA_PAGTO");
    os.fFORMA_PAGAMENTO = texto("FORMA_PAGAMENTO");
    os.fVALOR_PAGO = numero("VALOR_PAGO");
    os.fVALOR_DEVOLVIDO = numero("VALOR_DEVOLVIDO");
    os.fMOTIVO_RETORNO = texto("MOTIVO_RETORNO");
    os.fFUNCIONARIO = texto("FUNCIONARIO");
    os.fHORA = texto("HORA");
    os.fHORADEVOLUCAO = texto("HORA_DEVOLUCAO");
    os.fSENHA = texto("SENHA");
    return os;
}

QByteArray TModuloDados::SimboloAcessoDaOS(int vNROS)
{
    return LerValor({QStringLiteral("SELECT SIMBOLO_ACESSO FROM ORDEM_SERVICO WHERE NROS = :NROS")},
                    {{QStringLiteral("NROS"), vNROS}})
        .toByteArray();
}

void TModuloDados::ExcluirOS(int vNROS)
{
    // linhas e ordem juntas: nunca fica uma OS sem as suas linhas
    EmTransacao([&] {
        Executar({QStringLiteral("DELETE FROM ITENS_ORDEM_SERVICO"), QStringLiteral("WHERE"),
                  QStringLiteral("NROS = :NROS")},
                 {{QStringLiteral("NROS"), vNROS}});
        Executar({QStringLiteral("DELETE FROM ORDEM_SERVICO"), QStringLiteral("WHERE"), QStringLiteral("NROS = :NROS")},
                 {{QStringLiteral("NROS"), vNROS}});
    });
}

//--------------------------------------------------------------------------------------------------
// Linhas de serviço
//--------------------------------------------------------------------------------------------------

void TModuloDados::AbreServicosOS(int vNROS)
{
    Qry_Servicos_OS->fechar();
    Qry_Servicos_OS->setSQL(
        {QStringLiteral("SELECT * FROM ITENS_ORDEM_SERVICO"), QStringLiteral("WHERE NROS = :NROS")});
    Qry_Servicos_OS->setParametro(QStringLiteral("NROS"), vNROS);
    Qry_Servicos_OS->definirTitulo(QStringLiteral("CDCONTROLE"), QStringLiteral("Controle"));
    Qry_Servicos_OS->definirTitulo(QStringLiteral("DEFEITO"), QStringLiteral("Defeito"));
    Qry_Servicos_OS->definirTitulo(QStringLiteral("SERVICO_EXECUTADO"), QStringLiteral("Serviço executado"));
    Qry_Servicos_OS->definirTitulo(QStringLiteral("VALOR"), QStringLiteral("Valor"));
    Qry_Servicos_OS->definirTitulo(QStringLiteral("FUNCIONARIO"), QStringLiteral("Funcionário"));
    Qry_Servicos_OS->abrir();
}

void TModuloDados::GravarServicodaOS(const QString& vDefeito, const QString& vServico, double vValor,
                                     const QString& vFuncionario, int vNROS)
{
    Executar({QStringLiteral("INSERT INTO ITENS_ORDEM_SERVICO(DEFEITO, SERVICO_EXECUTADO, VALOR, FUNCIONARIO, NROS)"),
              QStringLiteral("VALUES(:DEFEITO, :SERVICO_EXECUTADO, :VALOR, :FUNCIONARIO, :NROS)")},
             {{QStringLiteral("DEFEITO"), vDefeito},
              {QStringLiteral("SERVICO_EXECUTADO"), vServico},
              {QStringLiteral("VALOR"), vValor},
              {QStringLiteral("FUNCIONARIO"), vFuncionario},
              {QStringLiteral("NROS"), vNROS}});
}

void TModuloDados::AlterarServico(int vCdControle, double vValor)
{
    Executar({QStringLiteral("UPDATE ITENS_ORDEM_SERVICO SET VALOR = :VALOR"),
              QStringLiteral("WHERE CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("VALOR"), vValor}, {QStringLiteral("CDCONTROLE"), vCdControle}});
}

void TModuloDados::ExcluiServicos_Da_OS(int vCdControle)
{
    Executar({QStringLiteral("DELETE FROM ITENS_ORDEM_SERVICO"), QStringLiteral("WHERE"),
              QStringLiteral("CDCONTROLE = :CDCONTROLE")},
             {{QStringLiteral("CDCONTROLE"), vCdControle}});
}

bool TModuloDados::ExisteServiconaOS(int vNROS)
{
    return LerValor({QStringLiteral("SELECT COALESCE(COUNT(*),0) QT FROM ITENS_ORDEM_SERVICO"),
                     QStringLiteral("WHERE NROS = :NROS")},
                    {{QStringLiteral("NROS"), vNROS}})
               .toInt() > 0;
}

void TModuloDados::LimpaServicosSEMOS()
{
    Executar({QStringLiteral("DELETE FROM itens_ordem_servico IOS WHERE NOT EXISTS(SELECT * FROM ordem_servico OS "
                             "WHERE OS.nros = IOS.nros)")});
}

double TModuloDados::ValorJaPago(int vNROS)
{
    const double pago = LerValor({QStringLiteral("SELECT VALOR_PAGO"), QStringLiteral("FROM ORDEM_SERVICO"),
                                  QStringLiteral("WHERE"), QStringLiteral("NROS = :NROS")},
                                 {{QStringLiteral("NROS"), vNROS}})
                            .toDouble();
    return pago > 0 ? pago : 0.0;
}

//--------------------------------------------------------------------------------------------------
// Marcas e modelos, checklist
//--------------------------------------------------------------------------------------------------

void TModuloDados::AbrirMarcas(const QString& vTipo)
{
    Qry_Marcas->fechar();
    Qry_Marcas->setSQL({QStringLiteral("SELECT DISTINCT NOMEMARCA FROM MARCAS"), QStringLiteral("WHERE TIPO = :TIPO"),
                        QStringLiteral("ORDER BY NOMEMARCA")});
    Qry_Marcas->setParametro(QStringLiteral("TIPO"), vTipo);
    Qry_Marcas->abrir();
}

QStringList TModuloDados::AbrirModelos(const QString& vTipo, const QString& vMarca)
{
    QStringList modelos;
    const auto linhas = LerRegistros(
        {QStringLiteral("SELECT * FROM MARCAS WHERE TIPO = :TIPO AND NOMEMARCA = :NOMEMARCA ORDER BY MODELO")},
        {{QStringLiteral("TIPO"), vTipo}, {QStringLiteral("NOMEMARCA"), vMarca}});
    for (const QSqlRecord& r : linhas)
        modelos << r.value(QStringLiteral("MODELO")).toString();
    return modelos;
}

bool TModuloDados::ExisteCheckListparaOS(int vNROS)
{
    return LerValor({QStringLiteral("SELECT COUNT(*) AS QT FROM CHECKLIST_ENTRADA_OS WHERE NROS = :NROS")},
                    {{QStringLiteral("NROS"), vNROS}})
               .toInt() > 0;
}

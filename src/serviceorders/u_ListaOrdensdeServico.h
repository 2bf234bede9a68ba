#pragma once
// Lista das ordens de serviço por cliente, por período ou pelo IMEI. A escolha fica em
// ModuloDados->vNROS (que não muda quando a lista fecha sem escolha).
#include <QDialog>
#include <QPair>
#include <QVariant>
#include <QVector>
#include <memory>

namespace Ui {
class Tfrm_ListaOrdensdeServico;
}
class TDataset;

class Tfrm_ListaOrdensdeServico : public QDialog
{
    Q_OBJECT
public:
    explicit Tfrm_ListaOrdensdeServico(QWidget* pai = nullptr);
    ~Tfrm_ListaOrdensdeServico() override;

    TDataset* Qry_ListaOS() const { return m_lista.get(); }

    void ListarPorCliente(int vCdCliente);
    // As duas datas preenchidas: o período; as duas vazias: todas; só uma: nada muda.
    void edt_DataFinalEnter();
    // Todo o IMEI ou os seus últimos dígitos.
    void ListarPorIMEI(const QString& vIMEI);
    void Escolher();
    void ExcluirOSClick();
    void ImprimirRetornoClick();
    // "Imprimir comprovante de retorno": só para a OS atual com retorno e a impressão disponível.
    bool RetornoHabilitado() const;

protected:
    void showEvent(QShowEvent* evento) override;
    void done(int resultado) override;
    bool eventFilter(QObject* objeto, QEvent* evento) override;

private:
    void listar(const QStringList& filtro, const QVector<QPair<QString, QVariant>>& parametros);
    void ajustarColunas();
    void menuDaGrade(const QPoint& ponto);

    std::unique_ptr<Ui::Tfrm_ListaOrdensdeServico> ui;
    std::unique_ptr<TDataset> m_lista;
};

#!/bin/bash
# Servidor CUPS com duas filas cups-pdf (PDF_A4 e PDF_TERMICA) para o teste de impressão real.
# "iniciar": sobe o cupsd se preciso, cria as filas e imprime no stdout o comando que o para.
# Sem cupsd/cups-pdf: imprime "true" (o teste se pula sozinho).
[ "$1" = "iniciar" ] || { echo "uso: $0 iniciar" >&2; exit 1; }
PPD=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null || [ ! -x /usr/lib/cups/backend/cups-pdf ] \
    || [ ! -f "$PPD" ] || [ "$(id -u)" != 0 ]; then
    echo true
    exit 0
fi
PARAR=true
if ! lpstat -r 2>/dev/null | grep -q "is running"; then
    cupsd >/dev/null 2>&1 || { echo true; exit 0; }
    for _ in $(seq 50); do lpstat -r 2>/dev/null | grep -q "is running" && break; sleep 0.1; done
    # para só o que este script subiu, pelo número do processo
    PID=$(pgrep -x -n cupsd)
    [ -n "$PID" ] && PARAR="kill $PID 2>/dev/null || true"
fi
for fila in PDF_A4 PDF_TERMICA; do
    lpstat -p "$fila" >/dev/null 2>&1 || lpadmin -p "$fila" -E -v cups-pdf:/ -m "lsb/usr/cups-pdf/CUPS-PDF_opt.ppd" >/dev/null 2>&1 \
        || lpadmin -p "$fila" -E -v cups-pdf:/ -P "$PPD" >/dev/null 2>&1
done
echo "$PARAR"

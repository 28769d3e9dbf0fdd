#!/bin/sh
# Sets up a fresh Debian machine, builds OrvelMagDb and runs the demo of the command-line host on
# an embedded SQLite database (build/demo/orvelmag.db, made anew each run): the configuration, a
# new shop database, the Italian VAT codes; then discount bands, a category with its default band,
# a customer with its own band on that category, a supplier, a few articles with EANs and
# alternative codes (added one by one and imported from a CSV file), lookups by every kind of key
# a till receives, the price chain run both ways, and the band with and without the customer; then
# movement reasons, an invoice built as a till builds it (lines priced from the customer's band, a
# repeated article merged, a free gift, an extra discount, transport), shown with its totals and
# VAT summary, a load from a supplier, and the list of documents; a customer order shipped in two
# delivery notes and billed by one invoice, a lot found again by its printed code and a fashion
# sale scanned by garment barcodes; a 3-for-2 running this week and a fixed price from tomorrow,
# with the price at the till under them; voucher campaigns with the vouchers the invoice earns;
# last, the invoice's payment schedule with an instalment settled, its payment at the till, a bank
# bill for its first instalment and cash taken out of the drawer.
set -eu
cd "$(dirname "$0")/.."
tools/setup-debian.sh
cmake --preset default >/dev/null
cmake --build --preset default --target orvelmag
orvelmag=$(pwd)/build/default/orvelmag
rm -rf build/demo
mkdir -p build/demo
cd build/demo

step() { printf '\n$ orvelmag %s\n' "$*"; "$orvelmag" "$@"; }

step config
step init
step vat add 22 22 "Aliquota ordinaria" --till 1
step vat add 10 10 "Aliquota ridotta" --till 2
step vat add 5 5 "Aliquota ridotta (5%)" --till 3
step vat add 4 4 "Aliquota minima" --till 4
step vat add N4 0 "Esente art. 10 DPR 633/72" --note "operazioni esenti"
step vat list
step vat show 22

# Discount bands, a category whose articles get the STD band by default, and a customer who gets
# the RIV band on that category instead.
step band add STD "Clienti al banco" --discounts 5
step band add RIV "Rivenditori" --discounts 10,5
step category add BEV "Bevande" --band STD
step partner add 101 "Bar Sport di Bianchi Luca" --kind customer
step partner band 101 BEV RIV
step partner add 201 "Distribuzione Bevande Adriatica srl" --kind supplier

# Articles: the list price less the supplier's discounts gives the net cost, the mark-up the sale
# price, VAT the price at the till.
step article add 000001 "Montepulciano d'Abruzzo DOC 0,75 l" --ean 8001234567897 --vat 22 --category BEV \
    --list-price 10.00 --discounts 10,5 --markup 40 --alt MONTEP:0 --alt 2000000000015:1 \
    --supplier "201:FA-750:Montepulciano 75 cl"
step article add 000002 "Succo di arancia 1 l" --ean 8000000000026 --vat 10 --category BEV \
    --cost 0.95 --price-vat 2.20
step article show 000001

# A price list from the supplier, as a CSV file; one row has a malformed price and is reported
# by its line while the others go in.
cat > articoli.csv <<'CSV'
code,description,ean,vat,category,list_price,discounts,markup,alt_codes,suppliers
000003,"Birra chiara, 33 cl",4006381333931,22,BEV,0.90,10+5,60,BIRRA33:0,"201:FA-B33:Birra ""chiara"" 33 cl"
000004,Aranciata 33 cl,,22,BEV,zero,,,,
000005,Chinotto 33 cl,,22,BEV,0.55,10,70,2000000000022:1,
CSV
step article import articoli.csv || true

# What a till receives: the article's own code, an alternative code, an EAN, a barcode.
step article find 000001
step article find MONTEP
step article find 8000000000026
step article find 2000000000015 --partner 101

# The price chain from the other end: the price with VAT the shop wants, then a new list price
# that keeps the discounts and the mark-up, saved.
step article price 000001 --price-vat 15.90
step article price 000001 --list-price 11.00 --save

# Movement reasons, the kinds of documents: a sale invoice to a customer with payment and transport
# data that unloads stock, and a load from a supplier priced from the purchase list.
step reason add 1 "Fattura accompagnatoria" --type FT --party customer --payment yes --transport yes --stock unload
step reason add 2 "Carico da fornitore" --type CAF --party supplier --stock load
step reason list

# The typical request of a till or back office: an invoice for customer 101. The Montepulciano is
# entered twice (by code and by its alternative code) and merges into one line of 12 with the
# customer's band; the juice at 10% VAT by its EAN; the beer at an agreed price and discount; two
# juices given away; 3% off the whole invoice and 15.00 of transport. The document is numbered and
# saved in one transaction.
step doc new --reason 1 --customer 101 --line 000001:6 --line MONTEP:6 --line 8000000000026:12 \
    --line 000003:24:0.95:5 --gift 000002:2 --extra-discount 3 --transport 15 | tee invoice.txt
invoice=$(sed -n 's/^added document \([0-9]*\):.*/\1/p' invoice.txt)
step doc show "$invoice"

# Goods from the supplier, at the purchase prices; then every document.
step doc new --reason 2 --supplier 201 --line 000001:24 --line 000002:36
step doc list

# An order shipped in two deliveries and billed once. Customer 101 orders 24 Montepulciano and 12
# juices; the first delivery note ships 10 of the wine and all the juice, the second the rest; the
# order shows after each step what it has shipped and what is still open. The invoice bills both
# delivery notes, citing each. The order and the notes it cites can no longer be deleted.
step reason add 3 "Ordine da cliente" --type OC --party customer --order customer
step reason add 4 "Documento di trasporto" --type DDT --party customer --transport yes --stock unload
step reason add 5 "Fattura differita" --type FT --party customer --payment yes
step doc new --reason 3 --customer 101 --line 000001:24 --line 8000000000026:12 | tee order.txt
order=$(sed -n 's/^added document \([0-9]*\):.*/\1/p' order.txt)
step doc new --reason 4 --from "$order" --ship 000001:10 | tee ddt1.txt
ddt1=$(sed -n 's/^added document \([0-9]*\):.*/\1/p' ddt1.txt)
step doc show "$order"
step doc new --reason 4 --from "$order" | tee ddt2.txt
ddt2=$(sed -n 's/^added document \([0-9]*\):.*/\1/p' ddt2.txt)
step doc show "$order"
step doc new --reason 5 --from "$ddt1" --from "$ddt2" | tee deferred.txt
step doc show "$(sed -n 's/^added document \([0-9]*\):.*/\1/p' deferred.txt)"
step doc delete "$ddt1" || true

# A lot of the juice, and the lot found again from the code printed on its label.
step lot new 000002 --qty 36 --expiry "$(date -d '+90 days' +%d/%m/%Y)" --supplier-lot AR-2291 | tee lot.txt
step lot find "$(sed -n 's/.* code \([0-9]*\) .*/\1/p' lot.txt)"

# A fashion model in three garments, each with its own barcode, sold at the till by scanning the
# barcodes: each line keeps the garment's size and colour.
step garment add POLO01 "Polo piquet" --scale IT --vat 22 --cost 20 --markup 100 \
    --garment 46:NERO:2000000000466 --garment 48:NERO:2000000000480 --garment 46:BLU:2000000000459
step reason add 6 "Vendita al banco" --type VB --stock unload
step doc new --reason 6 --kind fashion --line 2000000000480:1 --line 2000000000459:2 | tee sale.txt
step doc show "$(sed -n 's/^added document \([0-9]*\):.*/\1/p' sale.txt)"

# Promotions: the juice 3 for 2 this week, the Montepulciano at a fixed 9.90 from tomorrow. Priced
# today, three juices cost two while the wine keeps its price: its promotion is listed but not yet
# applied.
step promo add mxn "Succo 3 per 2" --mxn 3:2 --from "$(date +%d/%m/%Y)" --to "$(date -d '+6 days' +%d/%m/%Y)" \
    --article 8000000000026
step promo add fixed "Montepulciano a 9,90" --price 9.90 --from "$(date -d tomorrow +%d/%m/%Y)" \
    --to "$(date -d '+7 days' +%d/%m/%Y)" --article MONTEP
step promo list
step promo price 000002 --qty 3
step promo price 000001

# Voucher campaigns: 5% of an invoice of at least 100.00 given back as a voucher, from today with no
# end, for invoices only; a loyalty point for every 10.00 of drinks; a 10.00 voucher that starts next
# week. Then which of them the invoice above earns today.
step voucher add --kind percent --discount 5 --threshold 100 --to none --reason 1 --text "Buono sconto 5%"
step voucher add --kind points --threshold 10 --category BEV --to none
step voucher add --kind amount --amount 10 --threshold 50 --from "$(date -d '+7 days' +%d/%m/%Y)" --to none
step voucher check "$invoice"

# Payment terms: half at 30 and half at 60 days, at the end of the month. The invoice's schedule is
# generated from them and saved with the link to the invoice; then the second instalment is paid.
step formula add 1 "30/60 gg fine mese" --line 30:50:eom --line 60:50:eom
step schedule make "$invoice" --formula 1 --save | tee schedule.txt
schedule=$(sed -n 's/^saved schedule \([0-9]*\)$/\1/p' schedule.txt)
step schedule pay "$schedule" 2
step schedule show "$schedule"

# The till and the bank. The invoice is paid at the till, 100.00 in cash and the rest by card (the
# payments must make up its total); the first instalment of its schedule, still due, goes on a bank
# bill; at closing, cash leaves the drawer counted in banknotes.
step till type add 1 Contanti --short CASH
step till type add 3 "Carta di credito" --short CARD
total=$(sed -n 's/^added document .*, total \([0-9.]*\)$/\1/p' invoice.txt)
step till pay "$invoice" CASH:100 CARD:"$(awk -v total="$total" 'BEGIN { printf "%.2f", total - 100 }')"
step bill new --instalments "$schedule/1" | tee bill.txt
step bill show "$(sed -n 's/^added bill \([0-9]*\):.*/\1/p' bill.txt)"
step till coin add 50 50 "Banconota da 50 euro" --banknote
step till coin add 20 20 "Banconota da 20 euro" --banknote
step till withdraw --coins 50:2,20:5 --station CASSA-1

# The invoice leaves the shop as an electronic invoice: the seller's data, the customer's codes,
# address and exchange-system code, the nature of the exempt VAT code; the file is checked against
# the schema before it is written, and its name carries the shop's VAT number and a progressive.
step company set --name "Bottega Orvel Srl" --vat-number 01234567897 --address "Via Roma 1" --postcode 20121 \
    --city Milano --province MI --regime RF01
step company customer 101 --vat-number 12345678903 --address "Corso Como 5" --postcode 20154 --city Milano \
    --province MI --recipient ABC1234
step vat nature N4 N4
step doc export "$invoice" --schema ../../data/einvoice/FatturaPA_v1.2.2.xsd | tee export.txt
xmllint --noout --nonet --schema ../../data/einvoice/FatturaPA_v1.2.2.xsd "$(tail -n 1 export.txt)"

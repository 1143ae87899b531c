ANO
NE
barva
tvar
hranol
koule
válec
kužel
Hra: 
Soubor >
< se nepodaøilo naèíst
Správné øešení
 Hra nedokonèena. Pokusù: 
 Náhledù: 
 KONEC: 
Zobrazit v náhledu hrany?
 Hra dokonèena. Pokusù: 
Nesprávné øešení
Chcete zobrazit náhled vaší sestavy?
V náhledu zobrazit hrany?
Úloha
Naèíst
Konec
Úloha
Poèet pokusù:
Rozmìry dílku
Poèet náhledù:
Použít
Vyhodno
Confirm
&Yes
&No

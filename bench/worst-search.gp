# Draw how the worst-input search's best fitness rose, from its history,
# beside the hand-derived worst case's fitness from its best patterns:
#   gnuplot -e "csv='worst-search.csv'" -e "best='worst-search-best.csv'" \
#           -e "svg='worst-search.svg'" -e "note='...'" worst-search.gp
set datafile separator ","
stats best using (strcol(1) eq "derived" ? $2 : NaN) nooutput
derived = STATS_max
set terminal svg size 720,420 dynamic font "sans,11" background "white"
set output svg
set title note
set grid
set key bottom right
set xlabel "patterns measured"
set ylabel "instructions / floor's"
set yrange [1:*]
plot csv using 2:4 every ::1 with steps linewidth 2 title "best pattern so far", \
	derived with lines linewidth 1 title sprintf("hand-derived worst (%.2f)", derived)

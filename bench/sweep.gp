# Draw the benchmark's sweep from bench.csv as a log-log SVG: seconds
# against count, a panel per case, a line per program.
#   gnuplot -e "csv='bench.csv'" -e "svg='sweep.svg'" -e "note='...'" sweep.gp
set datafile separator ","
set terminal svg size 960,720 dynamic font "sans,11" background "white"
set output svg
set logscale xy
set format x "10^{%L}"
set format y "10^{%L}"
set xrange [800:250000]
set yrange [1e-3:20]
set grid
set key top left
set xlabel "count"
set ylabel "seconds"
set multiplot layout 2,2 title note

cases = "random cycle cycling bound"
titles = "'random items, no pair' '2 4 8 16 cycling, target 2^{30}' 'the 798 classes cycling' \"the bound's input, 3 heavy\""
programs = "read-only reference product-pair product-pair-baseline"
labels = "'floor (read-only)' 'plain scan (reference)' 'product-pair' 'product-pair, baseline clone'"
styles = "1 7 2 4"

pick(c, p) = (strcol(1) eq word(cases, c) && strcol(2) eq word(programs, p)) ? column(5) : 1/0
do for [c = 1:4] {
	set title word(titles, c)
	plot for [p = 1:4] csv using 3:(pick(c, p)) with linespoints \
		linecolor int(word(styles, p)) pointtype p title (c == 1 ? word(labels, p) : "")
}
unset multiplot

# Plots the rate curve: steps a second asked for and done, against the throttle.
# gnuplot -e "data='rate-curve.csv'; out='rate-curve.png'" rate-curve.gp
set terminal pngcairo size 800,500 font "DejaVu Sans,11"
set output out
set datafile separator ","
set key autotitle columnhead top left
set title "One train: steps a second by throttle"
set xlabel "throttle"
set ylabel "steps a second"
set logscale y
set yrange [0.8:2000]
set grid
set xrange [0:100]
set xtics 10
plot data using 1:($3 > 0 ? $3 : NaN) with lines linewidth 2 title "asked for", \
     data using 1:($4 > 0 ? $4 : NaN) with points pointtype 7 pointsize 1.2 title "done"

;;; The sample bridge's spans as the dimension routines meet them in a
;;; drawing: a linear dimension under each side span, the centre span's
;;; length as a text, and a dimension whose override text holds a number.
(entmake '((0 . "DIMENSION") (8 . "0") (10 30.0 -8.0 0.0) (11 15.0 -8.0 0.0)
           (13 0.0 0.0 0.0) (14 30.0 0.0 0.0) (70 . 32) (50 . 0.0) (1 . "")))
(entmake '((0 . "TEXT") (8 . "0") (10 40.0 12.0 0.0) (40 . 2.0) (1 . "中央径間 L=40m")))
(entmake '((0 . "DIMENSION") (8 . "0") (10 100.0 -8.0 0.0) (11 85.0 -8.0 0.0)
           (13 70.0 0.0 0.0) (14 100.0 0.0 0.0) (70 . 32) (50 . 0.0) (1 . "")))
(entmake '((0 . "DIMENSION") (8 . "0") (10 70.0 -14.0 0.0) (11 50.0 -14.0 0.0)
           (13 30.0 0.0 0.0) (14 70.0 0.0 0.0) (70 . 32) (50 . 0.0) (1 . "L=40.125m")))
(princ)

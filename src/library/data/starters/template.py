import sys
import math
import heapq
import bisect
import itertools
import collections
from functools import lru_cache

